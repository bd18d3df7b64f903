#include "app/QtActivationHost.h"

#include <QApplication>
#include <QCursor>
#include <utility>

TQtActivationHost::TQtActivationHost(std::function<void()> refreshProfileList)
    : refreshProfileList_(std::move(refreshProfileList)) {}

// A failure that skipped the steps' own cursor reset must not leave the
// application busy.
TQtActivationHost::~TQtActivationHost() {
    if (busy_)
        QApplication::restoreOverrideCursor();
}

norvane::TCursor TQtActivationHost::Cursor() const {
    return busy_ ? norvane::TCursor::HourGlass : norvane::TCursor::Default;
}

void TQtActivationHost::SetCursor(norvane::TCursor cursor) {
    const bool busy = cursor == norvane::TCursor::HourGlass;
    if (busy == busy_)
        return;
    if (busy)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
    busy_ = busy;
}

void TQtActivationHost::ProcessMessages() {
    QApplication::processEvents();
}

void TQtActivationHost::RefreshProfileList() {
    if (refreshProfileList_)
        refreshProfileList_();
}
