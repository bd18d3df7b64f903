#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace norvane::ui {
namespace {

class ProbeFilter : public QObject {
public:
    explicit ProbeFilter(QWidget* window) : QObject(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!fired_ && event->type() == QEvent::Paint) {
            fired_ = true;
            // The children paint in the same pass; report once it is through.
            QTimer::singleShot(0, watched, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("shown %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool fired_ = false;
};

} // namespace

void installStartupProbe(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("NORVANE_STARTUP_PROBE"))
        return;
    window->installEventFilter(new ProbeFilter(window));
}

} // namespace norvane::ui
