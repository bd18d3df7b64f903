#include "DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

void TDesktopUrlOpener::openUrl(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}
