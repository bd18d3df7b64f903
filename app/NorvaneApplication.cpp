#include "NorvaneApplication.h"

#include "app/ErrorDisplay.h"

#include <exception>

namespace norvane::ui {

TNorvaneApplication::TNorvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TNorvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        ShowException(failure);
    }
    return false;
}

} // namespace norvane::ui
