#pragma once

class QWidget;

namespace norvane::ui {

// For start-up measurements: when the environment variable NORVANE_STARTUP_PROBE
// is set, the first time the window has been painted the program prints
// "shown <CLOCK_MONOTONIC nanoseconds>" on standard output and quits. Without the
// variable this does nothing.
void installStartupProbe(QWidget* window);

} // namespace norvane::ui
