#pragma once

#include <string>
#include <vector>

namespace norvane {

// One network connection as the system's IP helper reports it.
struct TConnexion {
    std::string ConnectionName; // the display name (ConnectionNameOf)
    std::string Description;
    std::string IPAddress;  // the first of the adapter's addresses
    std::string SubnetMask; // the first mask
    std::string Gateway;    // the first gateway
    bool DHCP = false;
    std::vector<std::string> DNSServers; // in order
};

} // namespace norvane
