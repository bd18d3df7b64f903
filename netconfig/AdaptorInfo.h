#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace norvane {

// One adapter as the system's IP helper describes it. Every address is the
// helper's dotted text; each list holds at least its count of entries and
// readers use only the first count.
struct TAdaptorInfo {
    static constexpr const char* NoAddress = "  0.  0.  0.  0";

    std::string AdapterName; // a bracketed identifier on Windows, the interface on Linux
    std::string Description;
    std::string MacAddress; // MacAddressText
    std::uint32_t Index = 0;
    std::uint32_t Type = 0;
    std::uint32_t DHCPEnabled = 0;
    std::string CurrentIPAddress = NoAddress;
    std::string CurrentIPMask = NoAddress;
    int IPAddressCount = 0;
    std::vector<std::string> IPAddresses;
    std::vector<std::string> IPMasks;
    int GatewayCount = 0;
    std::vector<std::string> Gateways;
    int DHCPServerCount = 0;
    std::vector<std::string> DHCPServers;
    int PrimaryWinsServerCount = 0;
    std::vector<std::string> PrimaryWinsServers;
    int SecondaryWinsServerCount = 0;
    std::vector<std::string> SecondaryWinsServers;
    std::uint32_t LeaseObtained = 0;
    std::uint32_t LeaseExpires = 0;
    std::uint32_t AutoConfigEnabled = 0;
    std::uint32_t AutoConfigActive = 0;
    std::string CurrentDNSServer;
    int DNSServerCount = 0;
    std::vector<std::string> DNSServers;
};

using TAdaptorRows = std::vector<TAdaptorInfo>;

} // namespace norvane
