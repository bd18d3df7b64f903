#include "netconfig/platform/linux/InterfaceConfigurator.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/linux/DhcpClient.h"
#include "netconfig/platform/linux/MethodResult.h"
#include "netconfig/platform/linux/ResolvConf.h"
#include "netconfig/platform/linux/ResolvedDns.h"

#include <cerrno>
#include <netlink/errno.h>
#include <system_error>

namespace norvane::platform::linux_backend {

namespace rv = returnvalue;

namespace {

constexpr std::size_t MaxGateways = 5;

[[noreturn]] void refuse(std::uint32_t returnValue, const std::string& detail) {
    throw MethodFailure(returnValue, detail);
}

std::uint32_t returnValueOf(const NetlinkError& error) {
    switch (error.code()) {
    case NLE_PERM:
    case NLE_NOACCESS:
        return rv::AccessDenied;
    case NLE_NODEV:
        return rv::IpNotEnabled;
    default:
        return rv::ConfigurationError;
    }
}

std::uint32_t returnValueOf(const std::system_error& error) {
    const int code = error.code().value();
    return code == EACCES || code == EPERM ? rv::AccessDenied : rv::ConfigurationError;
}

InterfaceAddress hostAddress(const std::string& addressText, const std::string& maskText) {
    const auto address = ParseIpv4(addressText);
    if (!address || !IsUnicastAddress(*address))
        refuse(rv::InvalidIpAddress, addressText);
    const auto prefix = PrefixOfMask(maskText);
    if (!prefix)
        refuse(rv::InvalidSubnetMask, maskText);
    // The network and broadcast addresses of a subnet name no host.
    const Ipv4 hostBits = *prefix >= 31 ? 0 : ~0u >> *prefix;
    if (hostBits != 0 && ((*address & hostBits) == 0 || (*address & hostBits) == hostBits))
        refuse(rv::InvalidIpAddress, addressText);
    return {*address, *prefix};
}

} // namespace

InterfaceConfigurator::InterfaceConfigurator(const SystemState& system, int interfaceIndex)
    : system_(system), index_(interfaceIndex) {}

template <typename Change> std::uint32_t InterfaceConfigurator::change(Change&& apply) {
    try {
        if (!system_.canChangeNetwork())
            refuse(rv::AccessDenied, "changing the network needs root or CAP_NET_ADMIN");
        checkInterface();
        apply();
        return rv::Success;
    } catch (const MethodFailure& failure) {
        return failure.returnValue();
    } catch (const NetlinkError& error) {
        return returnValueOf(error);
    } catch (const std::system_error& error) { // files, and the state directory
        return returnValueOf(error);
    } catch (const ServiceError&) {
        throw;
    } catch (const std::runtime_error&) {
        return rv::ConfigurationError;
    }
}

void InterfaceConfigurator::checkInterface() {
    const auto link = netlink_.linkByIndex(index_);
    if (!link)
        throw ServiceError::failed(hresult::WbemNotFound);
    name_ = link->name;
    if (const auto manager = system_.managerOf(index_))
        throw ServiceError(ServiceError::Kind::ObjectException, hresult::WbemFailed,
                           "The interface " + name_ + " is managed by " + *manager +
                               ", which would undo this change; change it there, or have " +
                               *manager + " leave the interface alone first");
    if (!link->up)
        refuse(rv::IpNotEnabled, name_ + " is down");
}

std::uint32_t InterfaceConfigurator::enableStatic(const std::vector<std::string>& addresses,
                                                  const std::vector<std::string>& masks) {
    return change([&] { applyStatic(addresses, masks); });
}

std::uint32_t InterfaceConfigurator::setGateways(const std::vector<std::string>& gateways,
                                                 const std::vector<std::int64_t>& metrics) {
    return change([&] { applyGateways(gateways, metrics); });
}

std::uint32_t InterfaceConfigurator::setDnsServers(const std::vector<std::string>& servers) {
    return change([&] { applyDns(servers); });
}

void InterfaceConfigurator::applyStatic(const std::vector<std::string>& addresses,
                                        const std::vector<std::string>& masks) {
    if (addresses.empty())
        refuse(rv::InvalidIpAddress, "no address");
    if (masks.size() != addresses.size())
        refuse(rv::InvalidSubnetMask, "one mask per address");
    std::vector<InterfaceAddress> wanted;
    for (std::size_t n = 0; n < addresses.size(); ++n)
        wanted.push_back(hostAddress(addresses[n], masks[n]));
    // A static address ends the lease a DHCP client of ours would renew.
    DhcpClient(system_, name_).stop();
    netlink_.replaceAddresses(index_, wanted);
}

void InterfaceConfigurator::applyGateways(const std::vector<std::string>& gateways,
                                          const std::vector<std::int64_t>& metrics) {
    if (gateways.size() > MaxGateways)
        refuse(rv::TooManyGateways, "at most five gateways");
    const auto own = netlink_.addresses(index_);
    std::vector<DefaultRoute> routes;
    for (std::size_t n = 0; n < gateways.size(); ++n) {
        const auto gateway = ParseIpv4(gateways[n]);
        if (!gateway || !IsUnicastAddress(*gateway))
            refuse(rv::InvalidGateway, gateways[n]);
        // The kernel reaches a gateway only through a subnet of the interface.
        bool reachable = false;
        for (const auto& address : own)
            reachable = reachable || InNetwork(*gateway, address.address, address.prefix);
        if (!reachable)
            refuse(rv::InvalidGateway, gateways[n] + " is outside the interface's subnets");
        const std::int64_t metric = n < metrics.size() ? metrics[n] : static_cast<std::int64_t>(n);
        if (metric < 0 || metric > 9999)
            refuse(rv::InvalidInputParameter, "gateway metric");
        routes.push_back({*gateway, static_cast<std::uint32_t>(metric)});
    }
    netlink_.replaceDefaultRoutes(index_, routes);
}

void InterfaceConfigurator::applyDns(const std::vector<std::string>& servers) {
    for (const auto& server : servers) {
        const auto address = ParseIpv4(server);
        // A resolver on this host (127.x) is a fair choice for DNS.
        if (!address || (*address >> 24) == 0 || (*address >> 24) >= 224)
            refuse(rv::InvalidIpAddress, server);
    }
    if (ResolvedOwnsDns(system_)) {
        if (servers.empty())
            RevertResolvedLinkDns(name_);
        else
            SetResolvedLinkDns(name_, servers);
        return;
    }
    ResolvConf file(system_.paths().resolvConf, system_.stateFile("resolv.conf.saved"),
                    system_.stateFile("resolv.conf.written"));
    if (servers.empty())
        file.restoreAutomatic();
    else
        file.setServers(servers);
}

} // namespace norvane::platform::linux_backend
