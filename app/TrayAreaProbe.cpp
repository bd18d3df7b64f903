#include "TrayAreaProbe.h"

#include <QSystemTrayIcon>

namespace norvane::ui {

bool TrayAreaAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

} // namespace norvane::ui
