#pragma once

#include "common/Errors.h"

#include <cstdint>
#include <string>

namespace norvane {

// A failure of the management-service layer. Its result code is the failed
// call's code, or 0 when the failure is not a failed service call.
class TWmiException : public Exception {
public:
    explicit TWmiException(const std::string& message, std::uint32_t errorCode = 0)
        : Exception(message), errorCode_(errorCode) {}

    // Raised for a failed service call; the message is WmiErrorText(code).
    static TWmiException FromCode(std::uint32_t code);

    std::uint32_t ErrorCode() const { return errorCode_; }

private:
    std::uint32_t errorCode_;
};

// "XXXXXXXX: description": the code as eight upper-case hexadecimal digits,
// then the service's documented text for its own codes, else the operating
// system's text.
std::string WmiErrorText(std::uint32_t code);

} // namespace norvane
