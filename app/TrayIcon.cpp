#include "TrayIcon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QTimer>
#include <QWidget>

TTrayIcon::TTrayIcon(QWidget* window, QMenu* menu, const QIcon& icon)
    : QObject(window), window_(window), icon_(new QSystemTrayIcon(icon, this)),
      areaWatch_(new QTimer(this)) {
    setObjectName(QStringLiteral("TrayIcon1"));
    areaWatch_->setInterval(1000);
    connect(areaWatch_, &QTimer::timeout, this, &TTrayIcon::CheckArea);
    // The area opens the menu on the right button by itself; the left button
    // and double clicks do nothing, so no handler listens to activated().
    icon_->setContextMenu(menu);
    icon_->setToolTip(QString());
}

TTrayIcon::~TTrayIcon() {
    SetActive(false);
}

void TTrayIcon::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        window_->installEventFilter(this);
        // With the main window hidden, closing any other window (a message
        // about a failed quick switch) would otherwise end the program.
        QApplication::setQuitOnLastWindowClosed(false);
        icon_->show();
        areaWatch_->start();
    } else {
        areaWatch_->stop();
        window_->removeEventFilter(this);
        QApplication::setQuitOnLastWindowClosed(true);
        icon_->hide();
    }
}

void TTrayIcon::CheckArea() {
    if (!active_ || !window_->isHidden() || AreaAvailable()) {
        missedChecks_ = 0;
        return;
    }
    if (++missedChecks_ < MissedChecksBeforeLost)
        return;
    missedChecks_ = 0;
    emit areaLost();
}

bool TTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Close) {
        if (AreaAvailable()) {
            event->ignore();
            if (mayHide())
                window_->hide();
            return true;
        }
        // The window closes as usual, and with it the program.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
    if (event->type() == QEvent::WindowStateChange && window_->isMinimized() && AreaAvailable()) {
        // Minimized first, as usual, then out of sight once the state change
        // has been handled.
        QTimer::singleShot(0, window_, [this] {
            if (window_->isMinimized() && mayHide())
                window_->hide();
        });
    }
    return false;
}

// Showing the window again runs its show handler, which rebuilds the list from
// the profile table. A modal window (the editor, a confirmation) still works
// on the table's current row, so the main window stays where the user can
// bring it back without being shown anew.
bool TTrayIcon::mayHide() const {
    return QApplication::activeModalWidget() == nullptr;
}
