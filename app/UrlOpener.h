#pragma once

#include <QString>

// The platform service that opens a web address in the user's browser.
class TUrlOpener {
public:
    virtual ~TUrlOpener() = default;
    virtual void openUrl(const QString& address) = 0;
};
