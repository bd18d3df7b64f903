#pragma once

#include "netconfig/WmiException.h"
#include "netconfig/platform/ServiceError.h"

#include <utility>

namespace norvane {

// Runs one call into the management service; a failed call becomes
// TWmiException with the text of its result code.
template <typename Call> decltype(auto) WmiServiceCall(Call&& call) {
    try {
        return std::forward<Call>(call)();
    } catch (const platform::ServiceError& e) {
        throw TWmiException::FromCode(e.code());
    }
}

} // namespace norvane
