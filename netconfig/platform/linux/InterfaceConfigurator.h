#pragma once

#include "netconfig/platform/linux/NetlinkWriter.h"
#include "netconfig/platform/linux/SystemState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace norvane::platform::linux_backend {

// The three configuration methods on one interface. Each answers with the
// methods' ReturnValue (0 when done). Failures the caller must see in words,
// an interface that is gone or belongs to a network manager, raise
// ServiceError with a description.
class InterfaceConfigurator {
public:
    InterfaceConfigurator(const SystemState& system, int interfaceIndex);

    std::uint32_t enableStatic(const std::vector<std::string>& addresses,
                               const std::vector<std::string>& masks);
    std::uint32_t setGateways(const std::vector<std::string>& gateways,
                              const std::vector<std::int64_t>& metrics);
    // No servers: back to the servers DHCP provides.
    std::uint32_t setDnsServers(const std::vector<std::string>& servers);

private:
    template <typename Change> std::uint32_t change(Change&& apply);
    void checkInterface();
    void applyStatic(const std::vector<std::string>& addresses,
                     const std::vector<std::string>& masks);
    void applyGateways(const std::vector<std::string>& gateways,
                       const std::vector<std::int64_t>& metrics);
    void applyDns(const std::vector<std::string>& servers);

    const SystemState& system_;
    int index_;
    std::string name_;
    NetlinkWriter netlink_;
};

} // namespace norvane::platform::linux_backend
