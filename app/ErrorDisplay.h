#pragma once

#include <QString>
#include <exception>

namespace norvane::ui {

// The caption of the application's error box.
QString ErrorCaption();

// The application's error display: a failure that ended a command is shown to
// the user with its message, and the program goes on.
void ShowException(const std::exception& failure);

} // namespace norvane::ui
