#pragma once

class QWidget;

namespace norvane::ui {

// Places a top-level window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

} // namespace norvane::ui
