#pragma once

#include "common/Errors.h"

#include <cstdint>
#include <string>

namespace norvane {

// A failure of a late-bound call: its message and the result code reported.
class EDispatchError : public Exception {
public:
    explicit EDispatchError(const std::string& message, std::uint32_t errorCode = 0)
        : Exception(message), errorCode_(errorCode) {}

    std::uint32_t ErrorCode() const { return errorCode_; }

private:
    std::uint32_t errorCode_;
};

} // namespace norvane
