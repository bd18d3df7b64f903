#include "netconfig/platform/linux/DhcpClient.h"

#include "netconfig/platform/linux/ChildProcess.h"
#include "netconfig/platform/linux/TextFile.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <thread>

namespace norvane::platform::linux_backend {

namespace {

const char* const Clients[] = {"dhclient", "udhcpc", "dhcpcd"};

bool isAlive(pid_t pid) {
    return kill(pid, 0) == 0;
}

} // namespace

DhcpClient::DhcpClient(const SystemState& system, std::string interfaceName)
    : system_(system), interface_(std::move(interfaceName)),
      pidFile_(system.stateFile("dhcp-" + interface_ + ".pid")),
      leaseFile_(system.stateFile("dhcp-" + interface_ + ".leases")),
      clientFile_(system.stateFile("dhcp-" + interface_ + ".client")) {}

std::optional<DhcpClient::Program> DhcpClient::find() const {
    for (const char* name : Clients)
        if (const auto path = FindProgram(name))
            return Program{name, *path};
    return std::nullopt;
}

std::optional<std::string> DhcpClient::installed() const {
    const auto program = find();
    return program ? std::optional<std::string>(program->name) : std::nullopt;
}

std::vector<std::string> DhcpClient::command(const Program& program) const {
    // Each goes to the background within seconds, lease or not, and goes on
    // asking and renewing there; the caller watches for the address.
    if (program.name == "dhclient")
        return {program.path, "-4", "-nw", "-pf", pidFile_, "-lf", leaseFile_, interface_};
    if (program.name == "udhcpc")
        return {program.path, "-i", interface_, "-b", "-t", "3",
                "-T",         "2",  "-A",       "3",  "-p", pidFile_};
    return {program.path, "-4", "-b", interface_};
}

int DhcpClient::start() {
    const auto program = find();
    if (!program)
        throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory),
                                "DHCP client");
    stop();
    WriteTextFile(clientFile_, program->path);
    return RunProgram(command(*program));
}

void DhcpClient::stop() {
    const auto client = ReadTextFile(clientFile_);
    std::remove(clientFile_.c_str());
    if (client && client->ends_with("/dhcpcd")) {
        RunProgram({*client, "-4", "-x", interface_});
        return;
    }
    const auto text = ReadTextFile(pidFile_);
    if (!text)
        return;
    std::remove(pidFile_.c_str());
    const pid_t pid = static_cast<pid_t>(std::atol(text->c_str()));
    // The pid may have gone to another program since; only a DHCP client
    // of ours is stopped.
    const auto command = ReadTextFile(system_.paths().proc + "/" + std::to_string(pid) + "/comm");
    bool ours = false;
    for (const char* name : Clients)
        ours = ours || (command && command->rfind(name, 0) == 0);
    if (pid <= 1 || !ours || kill(pid, SIGTERM) != 0)
        return;
    for (int waited = 0; waited < 50 && isAlive(pid); ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

} // namespace norvane::platform::linux_backend
