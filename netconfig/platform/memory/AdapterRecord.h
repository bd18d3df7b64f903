#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace norvane::platform::memory {

// One network adapter with its TCP/IP configuration, the way backends
// describe it before it becomes a pair of management objects.
struct AdapterRecord {
    std::uint32_t index = 0;
    std::optional<std::string> netConnectionId;
    std::optional<std::string> adapterType;
    std::string description;
    std::optional<std::string> macAddress;
    std::optional<std::uint64_t> speed;
    bool ipEnabled = false;
    bool dhcpEnabled = false;
    std::vector<std::string> ipAddress;
    std::vector<std::string> ipSubnet;
    std::vector<std::string> defaultIPGateway;
    std::vector<std::string> dnsServerSearchOrder;
};

} // namespace norvane::platform::memory
