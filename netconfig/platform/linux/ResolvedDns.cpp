#include "netconfig/platform/linux/ResolvedDns.h"

#include "netconfig/platform/linux/ChildProcess.h"
#include "netconfig/platform/linux/TextFile.h"

#include <filesystem>
#include <stdexcept>

namespace norvane::platform::linux_backend {

namespace {

constexpr const char* StubAddress = "127.0.0.53";

void resolvectl(std::vector<std::string> arguments) {
    const auto program = FindProgram("resolvectl");
    if (!program)
        throw std::runtime_error("resolvectl is not installed");
    arguments.insert(arguments.begin(), *program);
    const int status = RunProgram(arguments);
    if (status != 0)
        throw std::runtime_error("resolvectl " + arguments[1] + " failed with exit code " +
                                 std::to_string(status));
}

} // namespace

bool ResolvedOwnsDns(const SystemState& system) {
    if (!system.runsHere("systemd-resolve"))
        return false;
    std::error_code error;
    const auto target = std::filesystem::canonical(system.paths().resolvConf, error);
    if (!error && target.string().rfind("/run/systemd/resolve/", 0) == 0)
        return true;
    const auto text = ReadTextFile(system.paths().resolvConf).value_or("");
    return text.find("nameserver " + std::string(StubAddress)) != std::string::npos;
}

void SetResolvedLinkDns(const std::string& interfaceName, const std::vector<std::string>& servers) {
    std::vector<std::string> arguments{"dns", interfaceName};
    arguments.insert(arguments.end(), servers.begin(), servers.end());
    resolvectl(arguments);
}

void RevertResolvedLinkDns(const std::string& interfaceName) {
    resolvectl({"revert", interfaceName});
}

} // namespace norvane::platform::linux_backend
