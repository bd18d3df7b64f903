#pragma once

#include "netconfig/platform/linux/SystemState.h"

#include <optional>
#include <string>
#include <vector>

namespace norvane::platform::linux_backend {

// The system's DHCP client for one interface: whichever of dhclient, udhcpc
// and dhcpcd is installed, started so that it stays to renew the lease, and
// stopped again when the interface gets a static address.
class DhcpClient {
public:
    DhcpClient(const SystemState& system, std::string interfaceName);

    // The client's name, or nothing when none is installed.
    std::optional<std::string> installed() const;

    // Starts the client, which stays in the background to get and renew the
    // lease; returns its exit code (0 once it runs in the background).
    // Raises std::system_error when no client can be started.
    int start();

    // Stops the client that start() left running for this interface, if any.
    void stop();

private:
    struct Program {
        std::string name;
        std::string path;
    };
    std::optional<Program> find() const;
    std::vector<std::string> command(const Program& program) const;

    const SystemState& system_;
    std::string interface_;
    std::string pidFile_;
    std::string leaseFile_;
    // Which client start() left running (dhcpcd keeps its own pid file).
    std::string clientFile_;
};

} // namespace norvane::platform::linux_backend
