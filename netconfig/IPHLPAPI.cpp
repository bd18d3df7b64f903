#include "netconfig/IPHLPAPI.h"

#include "netconfig/IPHelper.h"

namespace norvane {

namespace {

std::string first(const std::vector<std::string>& texts, int count) {
    return count > 0 && !texts.empty() ? texts.front() : std::string();
}

} // namespace

void LoadConnections(platform::IIpHelper& helper, TListConnexion& connections) {
    int count = 0;
    TAdaptorRows rows;
    if (ReadAdaptorRows(helper, count, rows) != 0 || count == 0)
        return;
    for (int i = 0; i < count; ++i) {
        const TAdaptorInfo& row = rows[static_cast<std::size_t>(i)];
        auto connexion = std::make_unique<TConnexion>();
        connexion->ConnectionName = ConnectionNameOf(helper, row.AdapterName);
        connexion->Description = row.Description;
        connexion->DHCP = row.DHCPEnabled == 1;
        connexion->IPAddress = first(row.IPAddresses, row.IPAddressCount);
        connexion->SubnetMask = first(row.IPMasks, row.IPAddressCount);
        connexion->Gateway = first(row.Gateways, row.GatewayCount);
        connexion->DNSServers.assign(row.DNSServers.begin(),
                                     row.DNSServers.begin() + row.DNSServerCount);
        connections.Add(std::move(connexion));
    }
}

std::string ConnectionNameOf(platform::IIpHelper& helper, const std::string& adapterName) {
    return helper.connectionName(adapterName);
}

} // namespace norvane
