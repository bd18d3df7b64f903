#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace norvane::platform {

// A failed call into the management service or a late-bound object, as the
// backend reports it. The layer above turns it into the program's messages.
class ServiceError : public std::runtime_error {
public:
    enum class Kind {
        Failed,          // a call returned a failure result code
        UnknownName,     // a late-bound name the object does not know
        ObjectException, // the object raised an exception with a description
    };

    ServiceError(Kind kind, std::uint32_t code, std::string description = {})
        : std::runtime_error(description), kind_(kind), code_(code),
          description_(std::move(description)) {}

    static ServiceError failed(std::uint32_t code) { return {Kind::Failed, code}; }

    Kind kind() const { return kind_; }
    std::uint32_t code() const { return code_; }
    const std::string& description() const { return description_; }

private:
    Kind kind_;
    std::uint32_t code_;
    std::string description_;
};

// Result codes the backends raise themselves.
namespace hresult {
inline constexpr std::uint32_t WbemFailed = 0x80041001;
inline constexpr std::uint32_t WbemNotFound = 0x80041002;
inline constexpr std::uint32_t WbemAccessDenied = 0x80041003;
inline constexpr std::uint32_t WbemInvalidParameter = 0x80041008;
inline constexpr std::uint32_t WbemNotSupported = 0x8004100C;
inline constexpr std::uint32_t WbemInvalidNamespace = 0x8004100E;
inline constexpr std::uint32_t WbemInvalidClass = 0x80041010;
inline constexpr std::uint32_t WbemInvalidQuery = 0x80041017;
inline constexpr std::uint32_t WbemInvalidQueryType = 0x80041018;
inline constexpr std::uint32_t WbemTypeMismatch = 0x80041005;
inline constexpr std::uint32_t WbemInvalidMethod = 0x8004102E;
inline constexpr std::uint32_t WbemInvalidMethodParameters = 0x8004102F;
inline constexpr std::uint32_t DispUnknownName = 0x80020006;
inline constexpr std::uint32_t DispException = 0x80020009;
inline constexpr std::uint32_t MkInvalidSyntax = 0x800401E4;
} // namespace hresult

} // namespace norvane::platform
