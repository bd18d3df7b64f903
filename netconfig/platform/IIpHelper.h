#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace norvane::platform {

// One entry of an address list: a dotted address and its mask.
struct IpAddrString {
    std::string ipAddress;
    std::string ipMask;
};

// One adapter as the system's IP helper describes it. The name and the
// description come as the fixed-size fields hold them, padding included.
struct IpAdapterInfo {
    std::string adapterName;
    std::string description;
    std::vector<std::uint8_t> address; // hardware address, at most 8 bytes
    std::uint32_t index = 0;
    std::uint32_t type = 0;
    std::uint32_t dhcpEnabled = 0;
    std::optional<IpAddrString> currentIpAddress;
    std::vector<IpAddrString> ipAddressList;
    std::vector<IpAddrString> gatewayList;
    std::vector<IpAddrString> dhcpServer;
    std::vector<IpAddrString> primaryWinsServer;
    std::vector<IpAddrString> secondaryWinsServer;
    std::uint32_t leaseObtained = 0;
    std::uint32_t leaseExpires = 0;
};

// What the per-adapter query adds: automatic configuration and DNS servers.
struct IpPerAdapterInfo {
    std::uint32_t autoconfigEnabled = 0;
    std::uint32_t autoconfigActive = 0;
    std::optional<IpAddrString> currentDnsServer;
    std::vector<IpAddrString> dnsServerList;
};

// System result codes the IP helper answers with.
namespace iphelper_result {
constexpr std::uint32_t Success = 0;
constexpr std::uint32_t GenFailure = 31;
constexpr std::uint32_t BufferOverflow = 111;
constexpr std::uint32_t NoData = 232;
} // namespace iphelper_result

// The system's IP helper library and the registry's connection names. Never
// raises: failures come back as system result codes or empty texts.
class IIpHelper {
public:
    virtual ~IIpHelper() = default;
    // Loads the library on the first successful call; false while it cannot be loaded.
    virtual bool bind() = 0;
    // Every adapter, in the system's order; 0 on success (possibly with none).
    virtual std::uint32_t getAdaptersInfo(std::vector<IpAdapterInfo>& adapters) = 0;
    // false when the library lacks the per-adapter query.
    virtual bool hasPerAdapterInfo() = 0;
    // The per-adapter information of one adapter into a buffer of bufferSize
    // bytes; BufferOverflow when it does not fit.
    virtual std::uint32_t getPerAdapterInfo(std::uint32_t index, std::size_t bufferSize,
                                            IpPerAdapterInfo& info) = 0;
    // The display name of the connection of an adapter (by adapter name);
    // empty when it cannot be read.
    virtual std::string connectionName(const std::string& adapterName) = 0;
};

} // namespace norvane::platform
