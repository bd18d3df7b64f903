#pragma once

#include "app/ErrorDisplay.h"

#include <exception>
#include <utility>

namespace norvane::ui {

// Wraps a command handler for a signal connection: a failure ends the command
// and goes to the application's error display here, rather than unwinding
// through the toolkit's signal dispatch.
template <typename Handler> auto guarded(Handler handler) {
    return [handler = std::move(handler)](auto&&...) {
        try {
            handler();
        } catch (const std::exception& failure) {
            ShowException(failure);
        }
    };
}

} // namespace norvane::ui
