// The companion network shell: the two DHCP commands the activation runs,
// carried out on the platform the program runs on.

#include "netconfig/netsh/NetshCommand.h"
#include "netconfig/platform/linux/LinuxDhcp.h"
#include "netconfig/platform/simulated/SimulatedMachine.h"

#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <net/if.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

using norvane::netsh::NetshCommand;

constexpr int Failure = 1;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

int fail(const std::string& message) {
    std::cerr << "netsh: " << message << '\n';
    return Failure;
}

int usage(const std::vector<std::string>& args) {
    std::string given;
    for (const auto& arg : args)
        given += (given.empty() ? "" : " ") + arg;
    return fail("unsupported command line: " + given +
                "\nusage: netsh interface ip set address \"NAME\" source=dhcp\n"
                "       netsh interface ip set dns \"NAME\" source=dhcp");
}

// Under the simulated backend the command only names a connection of the
// machine file and is written to the journal.
int runSimulated(const NetshCommand& command, const std::vector<std::string>& args) {
    const std::string machineFile = environment("NORVANE_SIMULATION");
    if (machineFile.empty())
        return fail("NORVANE_PLATFORM=simulated needs NORVANE_SIMULATION (the machine file)");
    auto machine = std::make_shared<norvane::platform::simulated::SimulatedMachine>(machineFile,
                                                                                    std::string());
    bool known = false;
    for (const auto& adapter : machine->adapters())
        known = known || adapter.netConnectionId == command.connection;
    if (!known)
        return fail("unknown connection \"" + command.connection + "\"");
    const std::string journal = environment("NORVANE_JOURNAL");
    if (!journal.empty()) {
        nlohmann::ordered_json line;
        line["call"] = "netsh";
        line["args"] = args;
        std::ofstream out(journal, std::ios::app | std::ios::binary);
        out << line.dump() << '\n';
        if (!out)
            return fail("cannot write the journal " + journal);
    }
    return 0;
}

int runLinux(const NetshCommand& command) {
    if (::if_nametoindex(command.connection.c_str()) == 0)
        return fail("unknown connection \"" + command.connection + "\"");
    using norvane::platform::linux_backend::DhcpAddress;
    if (command.setting == NetshCommand::Setting::Dns) {
        norvane::platform::linux_backend::SetDnsByDhcp(command.connection);
        return 0;
    }
    // Like an adapter set to DHCP, the connection goes on asking for a
    // lease; the change itself is done.
    if (norvane::platform::linux_backend::SetAddressByDhcp(command.connection) ==
        DhcpAddress::StillAsking)
        std::cerr << "netsh: no DHCP server has answered on \"" << command.connection
                  << "\" yet; the DHCP client goes on asking\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto command = norvane::netsh::ParseNetshCommand(args);
    if (!command)
        return usage(args);
    try {
        const std::string platform = environment("NORVANE_PLATFORM");
        if (platform == "simulated")
            return runSimulated(*command, args);
        if (platform.empty() || platform == "linux")
            return runLinux(*command);
        return fail("unknown or unavailable platform: " + platform);
    } catch (const std::exception& e) {
        return fail(e.what());
    }
}
