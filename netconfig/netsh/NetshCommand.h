#pragma once

#include <optional>
#include <string>
#include <vector>

namespace norvane::netsh {

// The two commands the companion understands:
//   interface ip set address "NAME" source=dhcp
//   interface ip set dns "NAME" source=dhcp
struct NetshCommand {
    enum class Setting { Address, Dns };
    Setting setting = Setting::Address;
    std::string connection;
};

// The command the arguments (without the program name) spell; none for
// anything else.
std::optional<NetshCommand> ParseNetshCommand(const std::vector<std::string>& args);

} // namespace norvane::netsh
