#pragma once

#include "netconfig/platform/linux/SystemPaths.h"

#include <optional>
#include <string>

namespace norvane::platform::linux_backend {

// What the running system says about who may change an interface and who
// else is changing it: our capabilities, the network managers and resolver
// daemons running in our network namespace.
class SystemState {
public:
    explicit SystemState(SystemPaths paths) : paths_(std::move(paths)) {}

    // Root, or at least CAP_NET_ADMIN in the effective set.
    bool canChangeNetwork() const;

    // The name of the network manager that keeps the interface configured
    // ("NetworkManager", "systemd-networkd"), when one does.
    std::optional<std::string> managerOf(int interfaceIndex) const;

    // Whether a process of that command name runs in our network namespace.
    bool runsHere(const std::string& command) const;

    // A name for our network namespace, to keep the state of namespaces
    // sharing /run apart.
    std::string namespaceId() const;

    // A file of ours for this namespace, in the state directory, which is
    // made when missing (raises std::filesystem::filesystem_error).
    std::string stateFile(const std::string& name) const;

    const SystemPaths& paths() const { return paths_; }

private:
    std::string namespaceOf(const std::string& pid) const;

    SystemPaths paths_;
};

} // namespace norvane::platform::linux_backend
