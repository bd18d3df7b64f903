#include "netconfig/IPHelper.h"

#include "common/Format.h"

#include <algorithm>

namespace norvane {

namespace {

// What ReadAdaptorRows answers when the library cannot be loaded.
constexpr int NotSupported = 50;
// The buffer the per-adapter query is given; more DNS servers than fit leave
// the adapter without any.
constexpr std::size_t PerAdapterBufferSize = 252;
constexpr std::size_t InitialRows = 4;

// Trims blanks, control characters and the zero bytes of fixed-size fields.
std::string trimmed(const std::string& text) {
    const auto keep = [](char c) { return static_cast<unsigned char>(c) > ' '; };
    const auto first = std::find_if(text.begin(), text.end(), keep);
    const auto last = std::find_if(text.rbegin(), text.rend(), keep).base();
    return first < last ? std::string(first, last) : std::string();
}

void appendList(const std::vector<platform::IpAddrString>& list, int& count,
                std::vector<std::string>& addresses, std::vector<std::string>* masks = nullptr) {
    for (const auto& entry : list) {
        addresses.push_back(entry.ipAddress);
        if (masks != nullptr)
            masks->push_back(entry.ipMask);
        ++count;
    }
}

TAdaptorInfo rowOf(platform::IIpHelper& helper, const platform::IpAdapterInfo& adapter) {
    TAdaptorInfo row;
    row.AdapterName = trimmed(adapter.adapterName);
    row.Description = trimmed(adapter.description);
    std::array<std::uint8_t, 8> address{};
    const std::size_t length = std::min(adapter.address.size(), address.size());
    std::copy_n(adapter.address.begin(), length, address.begin());
    row.MacAddress = MacAddressText(address, static_cast<int>(length));
    row.Index = adapter.index;
    row.Type = adapter.type;
    row.DHCPEnabled = adapter.dhcpEnabled;
    if (adapter.currentIpAddress) {
        row.CurrentIPAddress = adapter.currentIpAddress->ipAddress;
        row.CurrentIPMask = adapter.currentIpAddress->ipMask;
    }
    appendList(adapter.ipAddressList, row.IPAddressCount, row.IPAddresses, &row.IPMasks);
    appendList(adapter.gatewayList, row.GatewayCount, row.Gateways);
    appendList(adapter.dhcpServer, row.DHCPServerCount, row.DHCPServers);
    appendList(adapter.primaryWinsServer, row.PrimaryWinsServerCount, row.PrimaryWinsServers);
    appendList(adapter.secondaryWinsServer, row.SecondaryWinsServerCount, row.SecondaryWinsServers);
    row.LeaseObtained = adapter.leaseObtained;
    row.LeaseExpires = adapter.leaseExpires;
    platform::IpPerAdapterInfo perAdapter;
    if (helper.hasPerAdapterInfo() &&
        helper.getPerAdapterInfo(adapter.index, PerAdapterBufferSize, perAdapter) == 0) {
        row.AutoConfigEnabled = perAdapter.autoconfigEnabled;
        row.AutoConfigActive = perAdapter.autoconfigActive;
        if (perAdapter.currentDnsServer)
            row.CurrentDNSServer = perAdapter.currentDnsServer->ipAddress;
        appendList(perAdapter.dnsServerList, row.DNSServerCount, row.DNSServers);
    }
    return row;
}

} // namespace

bool BindIphlpapi(platform::IIpHelper& helper) {
    return helper.bind();
}

int ReadAdaptorRows(platform::IIpHelper& helper, int& count, TAdaptorRows& rows) {
    if (!BindIphlpapi(helper))
        return NotSupported;
    rows.assign(InitialRows, TAdaptorInfo());
    count = 0;
    std::vector<platform::IpAdapterInfo> adapters;
    const std::uint32_t result = helper.getAdaptersInfo(adapters);
    if (result != 0) {
        rows.clear();
        return static_cast<int>(result);
    }
    for (const auto& adapter : adapters) {
        rows[static_cast<std::size_t>(count)] = rowOf(helper, adapter);
        ++count;
        if (static_cast<std::size_t>(count) == rows.size())
            rows.resize(rows.size() * 2);
    }
    rows.resize(static_cast<std::size_t>(count));
    return 0;
}

std::string MacAddressText(const std::array<std::uint8_t, 8>& address, int length) {
    if (length <= 0)
        return "00-00-00-00-00-00";
    const int bytes = std::min(length, static_cast<int>(address.size()));
    std::string text;
    for (int i = 0; i < bytes; ++i) {
        if (i > 0)
            text += '-';
        text += Format("%.2X", {static_cast<int>(address[static_cast<std::size_t>(i)])});
    }
    return text;
}

} // namespace norvane
