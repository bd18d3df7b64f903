#pragma once

#include <string>
#include <vector>

namespace norvane {

// Who a connection logs on as. All empty: the current user with default security.
struct TWmiCredentials {
    std::string UserName;
    std::string Password;
    std::string Authority;
    std::string Locale;
    // "name=value" lines passed to the service as the connection's context.
    std::vector<std::string> Options;
};

} // namespace norvane
