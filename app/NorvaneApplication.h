#pragma once

#include <QApplication>

namespace norvane::ui {

// The application object. A failure that escapes an event handler ends that
// command only: it is shown by the error display and the event loop goes on.
class TNorvaneApplication : public QApplication {
    Q_OBJECT
public:
    TNorvaneApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace norvane::ui
