#include "netconfig/netsh/NetshCommand.h"

namespace norvane::netsh {

std::optional<NetshCommand> ParseNetshCommand(const std::vector<std::string>& args) {
    if (args.size() != 6 || args[0] != "interface" || args[1] != "ip" || args[2] != "set" ||
        args[5] != "source=dhcp" || args[4].empty())
        return std::nullopt;
    NetshCommand command;
    if (args[3] == "address")
        command.setting = NetshCommand::Setting::Address;
    else if (args[3] == "dns")
        command.setting = NetshCommand::Setting::Dns;
    else
        return std::nullopt;
    command.connection = args[4];
    return command;
}

} // namespace norvane::netsh
