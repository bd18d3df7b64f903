#pragma once

#include "common/Format.h"
#include "netconfig/WmiException.h"
#include "netconfig/platform/ServiceError.h"

#include <utility>

namespace norvane {

// Runs one call into the management service; a failed call becomes
// TWmiException with the text of its result code, or with the backend's own
// description of the failure when it gives one.
template <typename Call> decltype(auto) WmiServiceCall(Call&& call) {
    try {
        return std::forward<Call>(call)();
    } catch (const platform::ServiceError& e) {
        if (e.kind() == platform::ServiceError::Kind::ObjectException && !e.description().empty())
            throw TWmiException(
                Format("%.8X: %s", {static_cast<unsigned long>(e.code()), e.description()}),
                e.code());
        throw TWmiException::FromCode(e.code());
    }
}

} // namespace norvane
