#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace norvane::platform::linux_backend {

// The ReturnValue codes the adapter configuration methods answer with; the
// numbers are the ones callers of these methods already know.
namespace returnvalue {
inline constexpr std::uint32_t Success = 0;
inline constexpr std::uint32_t UnknownFailure = 65;
inline constexpr std::uint32_t InvalidSubnetMask = 66;
inline constexpr std::uint32_t ConfigurationError = 67;
inline constexpr std::uint32_t InvalidInputParameter = 68;
inline constexpr std::uint32_t TooManyGateways = 69;
inline constexpr std::uint32_t InvalidIpAddress = 70;
inline constexpr std::uint32_t InvalidGateway = 71;
inline constexpr std::uint32_t IpNotEnabled = 84;
inline constexpr std::uint32_t AccessDenied = 91;
inline constexpr std::uint32_t InterfaceNotConfigurable = 97;
} // namespace returnvalue

// A configuration step that cannot be done, with the ReturnValue that tells
// the caller why and a sentence for whoever reads the details.
class MethodFailure : public std::runtime_error {
public:
    MethodFailure(std::uint32_t returnValue, const std::string& detail)
        : std::runtime_error(detail), returnValue_(returnValue) {}

    std::uint32_t returnValue() const { return returnValue_; }

private:
    std::uint32_t returnValue_;
};

} // namespace norvane::platform::linux_backend
