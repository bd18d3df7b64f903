#pragma once

#include "app/UrlOpener.h"

// Opens addresses with the desktop's default browser.
class TDesktopUrlOpener : public TUrlOpener {
public:
    void openUrl(const QString& address) override;
};
