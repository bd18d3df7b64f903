#include "netconfig/platform/linux/NetlinkWriter.h"

#include <arpa/inet.h>
#include <cstring>
#include <net/if.h>
#include <netlink/addr.h>
#include <netlink/cache.h>
#include <netlink/errno.h>
#include <netlink/netlink.h>
#include <netlink/route/addr.h>
#include <netlink/route/link.h>
#include <netlink/route/route.h>

namespace norvane::platform::linux_backend {

namespace {

template <typename T, void (*Free)(T*)> struct Deleter {
    void operator()(T* object) const { Free(object); }
};
using Cache = std::unique_ptr<nl_cache, Deleter<nl_cache, nl_cache_free>>;
using Address = std::unique_ptr<nl_addr, Deleter<nl_addr, nl_addr_put>>;
using AddrObject = std::unique_ptr<rtnl_addr, Deleter<rtnl_addr, rtnl_addr_put>>;
using RouteObject = std::unique_ptr<rtnl_route, Deleter<rtnl_route, rtnl_route_put>>;
using LinkObject = std::unique_ptr<rtnl_link, Deleter<rtnl_link, rtnl_link_put>>;

void check(int result, const char* step) {
    if (result < 0)
        throw NetlinkError(-result, step);
}

Address ipv4Address(Ipv4 address, int prefix) {
    const std::uint32_t network = htonl(address);
    Address result(nl_addr_build(AF_INET, &network, sizeof network));
    if (!result)
        throw NetlinkError(NLE_NOMEM, "address");
    nl_addr_set_prefixlen(result.get(), prefix);
    return result;
}

Ipv4 hostOrder(nl_addr* address) {
    std::uint32_t network = 0;
    if (address != nullptr && nl_addr_get_len(address) == sizeof network)
        std::memcpy(&network, nl_addr_get_binary_addr(address), sizeof network);
    return ntohl(network);
}

bool isDefaultRouteOf(rtnl_route* route, int interfaceIndex) {
    nl_addr* destination = rtnl_route_get_dst(route);
    if (rtnl_route_get_table(route) != RT_TABLE_MAIN ||
        (destination != nullptr && nl_addr_get_prefixlen(destination) != 0))
        return false;
    for (int n = 0; n < rtnl_route_get_nnexthops(route); ++n)
        if (rtnl_route_nh_get_ifindex(rtnl_route_nexthop_n(route, n)) == interfaceIndex)
            return true;
    return false;
}

RouteObject defaultRoute(int interfaceIndex, const DefaultRoute& wanted) {
    RouteObject route(rtnl_route_alloc());
    rtnl_nexthop* hop = rtnl_route_nh_alloc();
    if (!route || hop == nullptr)
        throw NetlinkError(NLE_NOMEM, "route");
    rtnl_route_set_family(route.get(), AF_INET);
    rtnl_route_set_table(route.get(), RT_TABLE_MAIN);
    rtnl_route_set_protocol(route.get(), RTPROT_STATIC);
    rtnl_route_set_scope(route.get(), RT_SCOPE_UNIVERSE);
    rtnl_route_set_type(route.get(), RTN_UNICAST);
    rtnl_route_set_priority(route.get(), wanted.metric);
    check(rtnl_route_set_dst(route.get(), ipv4Address(0, 0).get()), "route destination");
    rtnl_route_nh_set_ifindex(hop, interfaceIndex);
    rtnl_route_nh_set_gateway(hop, ipv4Address(wanted.gateway, 32).get());
    rtnl_route_add_nexthop(route.get(), hop);
    return route;
}

} // namespace

NetlinkError::NetlinkError(int code, const std::string& what)
    : std::runtime_error(what + ": " + nl_geterror(code)), code_(code) {}

void NetlinkWriter::SocketDeleter::operator()(nl_sock* sock) const {
    nl_socket_free(sock);
}

NetlinkWriter::NetlinkWriter() : sock_(nl_socket_alloc()) {
    if (!sock_)
        throw NetlinkError(NLE_NOMEM, "netlink socket");
    check(nl_connect(sock_.get(), NETLINK_ROUTE), "netlink connection");
}

NetlinkWriter::~NetlinkWriter() = default;

std::optional<LinkState> NetlinkWriter::link(int index, const char* name) {
    rtnl_link* found = nullptr;
    const int result = rtnl_link_get_kernel(sock_.get(), index, name, &found);
    if (result == -NLE_OBJ_NOTFOUND || result == -NLE_NODEV)
        return std::nullopt;
    check(result, "interface");
    const LinkObject owned(found);
    return LinkState{rtnl_link_get_ifindex(found), rtnl_link_get_name(found),
                     (rtnl_link_get_flags(found) & IFF_UP) != 0};
}

std::optional<LinkState> NetlinkWriter::linkByIndex(int index) {
    return link(index, nullptr);
}

std::optional<LinkState> NetlinkWriter::linkByName(const std::string& name) {
    if (name.empty() || name.size() >= IFNAMSIZ)
        return std::nullopt;
    return link(0, name.c_str());
}

std::vector<InterfaceAddress> NetlinkWriter::addresses(int interfaceIndex) {
    nl_cache* raw = nullptr;
    check(rtnl_addr_alloc_cache(sock_.get(), &raw), "address list");
    const Cache cache(raw);
    std::vector<InterfaceAddress> found;
    for (nl_object* o = nl_cache_get_first(raw); o != nullptr; o = nl_cache_get_next(o)) {
        auto* address = reinterpret_cast<rtnl_addr*>(o);
        if (rtnl_addr_get_ifindex(address) == interfaceIndex &&
            rtnl_addr_get_family(address) == AF_INET)
            found.push_back(
                {hostOrder(rtnl_addr_get_local(address)), rtnl_addr_get_prefixlen(address)});
    }
    return found;
}

void NetlinkWriter::addAddress(int interfaceIndex, const InterfaceAddress& wanted) {
    AddrObject address(rtnl_addr_alloc());
    if (!address)
        throw NetlinkError(NLE_NOMEM, "address");
    rtnl_addr_set_ifindex(address.get(), interfaceIndex);
    rtnl_addr_set_family(address.get(), AF_INET);
    check(rtnl_addr_set_local(address.get(), ipv4Address(wanted.address, wanted.prefix).get()),
          "address");
    rtnl_addr_set_prefixlen(address.get(), wanted.prefix);
    if (wanted.prefix < 31) {
        const Ipv4 hostBits = ~0u >> wanted.prefix;
        check(rtnl_addr_set_broadcast(address.get(),
                                      ipv4Address(wanted.address | hostBits, 32).get()),
              "broadcast address");
    }
    check(rtnl_addr_add(sock_.get(), address.get(), 0), "adding the address");
}

void NetlinkWriter::deleteAddress(int interfaceIndex, const InterfaceAddress& old) {
    AddrObject address(rtnl_addr_alloc());
    if (!address)
        throw NetlinkError(NLE_NOMEM, "address");
    rtnl_addr_set_ifindex(address.get(), interfaceIndex);
    rtnl_addr_set_family(address.get(), AF_INET);
    check(rtnl_addr_set_local(address.get(), ipv4Address(old.address, old.prefix).get()),
          "address");
    rtnl_addr_set_prefixlen(address.get(), old.prefix);
    const int result = rtnl_addr_delete(sock_.get(), address.get(), 0);
    // Removing a primary address takes its secondaries with it.
    if (result != -NLE_NOADDR && result != -NLE_OBJ_NOTFOUND)
        check(result, "removing an address");
}

void NetlinkWriter::removeAddresses(int interfaceIndex) {
    for (const auto& old : addresses(interfaceIndex))
        deleteAddress(interfaceIndex, old);
}

void NetlinkWriter::replaceAddresses(int interfaceIndex,
                                     const std::vector<InterfaceAddress>& wanted) {
    const auto previous = addresses(interfaceIndex);
    try {
        removeAddresses(interfaceIndex);
        for (const auto& address : wanted)
            addAddress(interfaceIndex, address);
    } catch (const NetlinkError&) {
        try {
            removeAddresses(interfaceIndex);
            for (const auto& address : previous)
                addAddress(interfaceIndex, address);
        } catch (const NetlinkError&) {
            // The first failure is the one to report.
        }
        throw;
    }
}

void NetlinkWriter::replaceDefaultRoutes(int interfaceIndex,
                                         const std::vector<DefaultRoute>& wanted) {
    nl_cache* raw = nullptr;
    check(rtnl_route_alloc_cache(sock_.get(), AF_INET, 0, &raw), "route list");
    const Cache cache(raw);
    std::vector<rtnl_route*> previous;
    for (nl_object* o = nl_cache_get_first(raw); o != nullptr; o = nl_cache_get_next(o))
        if (isDefaultRouteOf(reinterpret_cast<rtnl_route*>(o), interfaceIndex))
            previous.push_back(reinterpret_cast<rtnl_route*>(o));

    std::vector<RouteObject> added;
    std::size_t removed = 0;
    try {
        for (; removed < previous.size(); ++removed)
            check(rtnl_route_delete(sock_.get(), previous[removed], 0), "removing a route");
        for (const auto& route : wanted) {
            auto object = defaultRoute(interfaceIndex, route);
            // Appended: another interface's default route of the same
            // metric stays beside it, as two connections' gateways do.
            check(rtnl_route_add(sock_.get(), object.get(), NLM_F_APPEND), "adding a route");
            added.push_back(std::move(object));
        }
    } catch (const NetlinkError&) {
        for (const auto& route : added)
            rtnl_route_delete(sock_.get(), route.get(), 0);
        for (std::size_t n = 0; n < removed; ++n)
            rtnl_route_add(sock_.get(), previous[n], NLM_F_APPEND);
        throw;
    }
}

} // namespace norvane::platform::linux_backend
