#pragma once

#include <exception>
#include <utility>

class QWidget;

namespace norvane::ui {

// Shows a failure that ended a command to the user, in an error box that
// carries the failure's message.
void showFailure(QWidget* parent, const std::exception& failure);

// Wraps a command handler for a signal connection: a failure ends the command
// and is shown instead of travelling through the event loop.
template <typename Handler> auto guarded(QWidget* parent, Handler handler) {
    return [parent, handler = std::move(handler)](auto&&...) {
        try {
            handler();
        } catch (const std::exception& failure) {
            showFailure(parent, failure);
        }
    };
}

} // namespace norvane::ui
