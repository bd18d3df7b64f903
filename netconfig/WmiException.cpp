#include "netconfig/WmiException.h"

#include "common/Format.h"
#include "netconfig/SystemErrorText.h"
#include "netconfig/WbemErrorTable.h"

namespace norvane {

std::string WmiErrorText(std::uint32_t code) {
    const char* documented = WbemErrorDescription(code);
    std::string description = documented != nullptr ? documented : SystemErrorText(code);
    if (description.empty())
        description = "Unknown error";
    return Format("%.8X: %s", {static_cast<unsigned long>(code), description});
}

TWmiException TWmiException::FromCode(std::uint32_t code) {
    return TWmiException(WmiErrorText(code), code);
}

} // namespace norvane
