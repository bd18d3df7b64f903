#include "netconfig/platform/memory/MemoryIpHelper.h"

#include <cctype>
#include <exception>

#ifdef _WIN32
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#endif

namespace norvane::platform::memory {

namespace {

// Interface types of the IP helper.
constexpr std::uint32_t IfTypeOther = 1;
constexpr std::uint32_t IfTypeEthernet = 6;

// Sizes of the system's structures on a 64-bit system: an address-list entry
// (next pointer, two 16-byte texts, context, padding) and the per-adapter
// structure that embeds the first DNS entry.
constexpr std::size_t AddrStringSize = 48;
constexpr std::size_t PerAdapterFixedSize = 16 + AddrStringSize;

bool isIPv4(const std::string& text) {
    in_addr address{};
    return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

std::vector<IpAddrString> ipv4List(const std::vector<std::string>& addresses,
                                   const std::vector<std::string>& masks = {}) {
    std::vector<IpAddrString> list;
    for (std::size_t i = 0; i < addresses.size(); ++i)
        if (isIPv4(addresses[i]))
            list.push_back({addresses[i], i < masks.size() ? masks[i] : std::string()});
    return list;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

} // namespace

std::vector<std::uint8_t> HardwareAddressBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (bytes.size() == 8 || i + 2 > text.size())
            return {};
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return {};
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
        i += 2;
        if (i == text.size())
            break;
        if ((text[i] != ':' && text[i] != '-') || i + 1 == text.size())
            return {};
        ++i;
    }
    return bytes;
}

std::size_t PerAdapterInfoSize(std::size_t dnsServers) {
    return PerAdapterFixedSize + (dnsServers > 1 ? (dnsServers - 1) * AddrStringSize : 0);
}

MemoryIpHelper::MemoryIpHelper(std::shared_ptr<AdapterProvider> provider, Naming naming)
    : provider_(std::move(provider)), naming_(naming) {}

std::optional<std::vector<AdapterRecord>> MemoryIpHelper::records() {
    try {
        return provider_->adapters();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string MemoryIpHelper::adapterNameOf(const AdapterRecord& record) const {
    if (naming_ == Naming::InterfaceName)
        return record.netConnectionId.value_or("");
    return "{" + std::to_string(record.index) + "}";
}

std::uint32_t MemoryIpHelper::getAdaptersInfo(std::vector<IpAdapterInfo>& adapters) {
    const auto all = records();
    if (!all)
        return iphelper_result::GenFailure;
    if (all->empty())
        return iphelper_result::NoData;
    for (const auto& record : *all) {
        IpAdapterInfo info;
        info.adapterName = adapterNameOf(record);
        info.description = record.description;
        info.address = HardwareAddressBytes(record.macAddress.value_or(""));
        info.index = record.index;
        info.type = record.adapterType == "Ethernet 802.3" ? IfTypeEthernet : IfTypeOther;
        info.dhcpEnabled = record.dhcpEnabled ? 1 : 0;
        info.ipAddressList = ipv4List(record.ipAddress, record.ipSubnet);
        info.gatewayList = ipv4List(record.defaultIPGateway);
        adapters.push_back(std::move(info));
    }
    return iphelper_result::Success;
}

std::uint32_t MemoryIpHelper::getPerAdapterInfo(std::uint32_t index, std::size_t bufferSize,
                                                IpPerAdapterInfo& info) {
    const auto all = records();
    if (!all)
        return iphelper_result::GenFailure;
    for (const auto& record : *all) {
        if (record.index != index)
            continue;
        auto servers = ipv4List(record.dnsServerSearchOrder);
        if (PerAdapterInfoSize(servers.size()) > bufferSize)
            return iphelper_result::BufferOverflow;
        info.dnsServerList = std::move(servers);
        return iphelper_result::Success;
    }
    return iphelper_result::NoData;
}

std::string MemoryIpHelper::connectionName(const std::string& adapterName) {
    const auto all = records();
    if (all)
        for (const auto& record : *all)
            if (adapterNameOf(record) == adapterName)
                return record.netConnectionId.value_or("");
    return {};
}

} // namespace norvane::platform::memory
