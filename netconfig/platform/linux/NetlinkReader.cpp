#include "netconfig/platform/linux/NetlinkReader.h"

#include "netconfig/platform/ServiceError.h"

#include <arpa/inet.h>
#include <fstream>
#include <map>
#include <memory>
#include <net/if.h>
#include <net/if_arp.h>
#include <netlink/addr.h>
#include <netlink/cache.h>
#include <netlink/netlink.h>
#include <netlink/route/addr.h>
#include <netlink/route/link.h>
#include <netlink/route/route.h>
#include <sstream>

namespace norvane::platform::linux_backend {

namespace {

// The provider failed while answering (WBEM_E_PROVIDER_FAILURE).
constexpr std::uint32_t ProviderFailure = 0x80041004;

struct SocketDeleter {
    void operator()(nl_sock* sock) const { nl_socket_free(sock); }
};
struct CacheDeleter {
    void operator()(nl_cache* cache) const { nl_cache_free(cache); }
};
using Socket = std::unique_ptr<nl_sock, SocketDeleter>;
using Cache = std::unique_ptr<nl_cache, CacheDeleter>;

Socket connectRoute() {
    Socket sock(nl_socket_alloc());
    if (!sock || nl_connect(sock.get(), NETLINK_ROUTE) < 0)
        throw ServiceError::failed(ProviderFailure);
    return sock;
}

template <typename Alloc> Cache allocCache(Alloc alloc) {
    nl_cache* cache = nullptr;
    if (alloc(&cache) < 0)
        throw ServiceError::failed(ProviderFailure);
    return Cache(cache);
}

std::string addressText(nl_addr* address) {
    if (address == nullptr)
        return {};
    const int family = nl_addr_get_family(address);
    char text[INET6_ADDRSTRLEN] = {};
    if ((family != AF_INET && family != AF_INET6) ||
        inet_ntop(family, nl_addr_get_binary_addr(address), text, sizeof text) == nullptr)
        return {};
    return text;
}

std::string maskText(int family, unsigned prefixLength) {
    if (family != AF_INET)
        return std::to_string(prefixLength);
    const std::uint32_t mask = prefixLength == 0 ? 0 : ~0u << (32 - prefixLength);
    std::ostringstream text;
    text << (mask >> 24) << '.' << ((mask >> 16) & 255) << '.' << ((mask >> 8) & 255) << '.'
         << (mask & 255);
    return text.str();
}

std::string macText(nl_addr* address) {
    const auto* bytes = static_cast<const unsigned char*>(nl_addr_get_binary_addr(address));
    const unsigned length = nl_addr_get_len(address);
    std::string text;
    static const char digits[] = "0123456789ABCDEF";
    for (unsigned i = 0; i < length; ++i) {
        if (i > 0)
            text += ':';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

memory::AdapterRecord recordOf(rtnl_link* link) {
    memory::AdapterRecord record;
    record.index = static_cast<std::uint32_t>(rtnl_link_get_ifindex(link));
    const std::string name = rtnl_link_get_name(link);
    record.netConnectionId = name;
    const char* kind = rtnl_link_get_type(link);
    record.description = kind != nullptr ? name + " (" + kind + ")" : name;
    if (rtnl_link_get_arptype(link) == ARPHRD_ETHER) {
        record.adapterType = "Ethernet 802.3";
        if (nl_addr* mac = rtnl_link_get_addr(link))
            record.macAddress = macText(mac);
    }
    record.ipEnabled = (rtnl_link_get_flags(link) & IFF_UP) != 0;
    return record;
}

} // namespace

std::vector<std::string> NameServers(const std::string& resolvConfText) {
    std::vector<std::string> servers;
    std::istringstream lines(resolvConfText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string keyword, server;
        if (words >> keyword >> server && keyword == "nameserver")
            servers.push_back(server);
    }
    return servers;
}

std::vector<memory::AdapterRecord> ReadInterfaces(const std::string& resolvConf) {
    const Socket sock = connectRoute();
    const Cache links =
        allocCache([&](nl_cache** c) { return rtnl_link_alloc_cache(sock.get(), AF_UNSPEC, c); });
    const Cache addresses =
        allocCache([&](nl_cache** c) { return rtnl_addr_alloc_cache(sock.get(), c); });
    const Cache routes =
        allocCache([&](nl_cache** c) { return rtnl_route_alloc_cache(sock.get(), AF_INET, 0, c); });

    std::vector<memory::AdapterRecord> records;
    std::map<int, std::size_t> byIndex;
    for (nl_object* o = nl_cache_get_first(links.get()); o != nullptr; o = nl_cache_get_next(o)) {
        auto* link = reinterpret_cast<rtnl_link*>(o);
        if ((rtnl_link_get_flags(link) & IFF_LOOPBACK) != 0 ||
            rtnl_link_get_arptype(link) == ARPHRD_LOOPBACK)
            continue;
        byIndex[rtnl_link_get_ifindex(link)] = records.size();
        records.push_back(recordOf(link));
    }

    // IPv4 addresses first, as the service lists them, then IPv6.
    for (const int family : {AF_INET, AF_INET6})
        for (nl_object* o = nl_cache_get_first(addresses.get()); o != nullptr;
             o = nl_cache_get_next(o)) {
            auto* address = reinterpret_cast<rtnl_addr*>(o);
            const auto it = byIndex.find(rtnl_addr_get_ifindex(address));
            if (it == byIndex.end() || rtnl_addr_get_family(address) != family)
                continue;
            const std::string text = addressText(rtnl_addr_get_local(address));
            if (text.empty())
                continue;
            records[it->second].ipAddress.push_back(text);
            records[it->second].ipSubnet.push_back(
                maskText(family, static_cast<unsigned>(rtnl_addr_get_prefixlen(address))));
        }

    for (nl_object* o = nl_cache_get_first(routes.get()); o != nullptr; o = nl_cache_get_next(o)) {
        auto* route = reinterpret_cast<rtnl_route*>(o);
        nl_addr* destination = rtnl_route_get_dst(route);
        if (rtnl_route_get_table(route) != RT_TABLE_MAIN ||
            (destination != nullptr && nl_addr_get_prefixlen(destination) != 0))
            continue;
        for (int n = 0; n < rtnl_route_get_nnexthops(route); ++n) {
            rtnl_nexthop* hop = rtnl_route_nexthop_n(route, n);
            const auto it = byIndex.find(rtnl_route_nh_get_ifindex(hop));
            const std::string gateway = addressText(rtnl_route_nh_get_gateway(hop));
            if (it != byIndex.end() && !gateway.empty())
                records[it->second].defaultIPGateway.push_back(gateway);
        }
    }

    std::ifstream in(resolvConf);
    std::ostringstream text;
    text << in.rdbuf();
    const auto servers = NameServers(text.str());
    for (auto& record : records)
        if (record.ipEnabled)
            record.dnsServerSearchOrder = servers;
    return records;
}

} // namespace norvane::platform::linux_backend
