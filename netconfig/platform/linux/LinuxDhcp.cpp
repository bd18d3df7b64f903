#include "netconfig/platform/linux/LinuxDhcp.h"

#include "common/Errors.h"
#include "netconfig/platform/linux/DhcpClient.h"
#include "netconfig/platform/linux/NetlinkWriter.h"
#include "netconfig/platform/linux/ResolvConf.h"
#include "netconfig/platform/linux/ResolvedDns.h"
#include "netconfig/platform/linux/SystemState.h"

#include <chrono>
#include <netlink/errno.h>
#include <system_error>
#include <thread>

namespace norvane::platform::linux_backend {

namespace {

// How long a DHCP change waits for the lease before it lets the client go on
// in the background.
constexpr std::chrono::seconds LeaseWait{10};

[[noreturn]] void accessDenied(const std::string& name) {
    throw Exception("Access denied: changing the network interface " + name +
                    " needs root or the CAP_NET_ADMIN capability");
}

// The checks every change makes first; returns the interface's index.
int checkedInterface(const SystemState& system, NetlinkWriter& netlink, const std::string& name) {
    if (!system.canChangeNetwork())
        accessDenied(name);
    const auto link = netlink.linkByName(name);
    if (!link)
        throw Exception("There is no network interface named \"" + name + "\"");
    if (const auto manager = system.managerOf(link->index))
        throw Exception("The interface " + name + " is managed by " + *manager +
                        ", which would undo this change; change it there, or have " + *manager +
                        " leave the interface alone first");
    return link->index;
}

template <typename Change> void reported(const std::string& name, Change&& change) {
    try {
        change();
    } catch (const Exception&) {
        throw;
    } catch (const NetlinkError& error) {
        if (error.code() == NLE_PERM || error.code() == NLE_NOACCESS)
            accessDenied(name);
        throw Exception("Cannot change the network interface " + name + ": " + error.what());
    } catch (const std::system_error& error) {
        if (error.code() == std::errc::permission_denied ||
            error.code() == std::errc::operation_not_permitted)
            accessDenied(name);
        throw Exception("Cannot change the network interface " + name + ": " + error.what());
    } catch (const std::exception& error) {
        throw Exception("Cannot change the network interface " + name + ": " + error.what());
    }
}

} // namespace

DhcpAddress SetAddressByDhcp(const std::string& interfaceName, const SystemPaths& paths) {
    DhcpAddress result = DhcpAddress::StillAsking;
    reported(interfaceName, [&] {
        const SystemState system(paths);
        NetlinkWriter netlink;
        const int index = checkedInterface(system, netlink, interfaceName);
        DhcpClient client(system, interfaceName);
        const auto program = client.installed();
        // Checked before anything changes: without a client the interface
        // would be left with no address at all.
        if (!program)
            throw Exception("No DHCP client is installed (dhclient, udhcpc or dhcpcd): cannot "
                            "get an address for " +
                            interfaceName);
        client.stop();
        netlink.removeAddresses(index);
        const int status = client.start();
        if (status != 0)
            throw Exception("The DHCP client " + *program + " could not start on " + interfaceName +
                            " (exit code " + std::to_string(status) + ")");
        const auto deadline = std::chrono::steady_clock::now() + LeaseWait;
        while (std::chrono::steady_clock::now() < deadline) {
            if (!netlink.addresses(index).empty()) {
                result = DhcpAddress::Bound;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    return result;
}

void SetDnsByDhcp(const std::string& interfaceName, const SystemPaths& paths) {
    reported(interfaceName, [&] {
        const SystemState system(paths);
        NetlinkWriter netlink;
        checkedInterface(system, netlink, interfaceName);
        if (ResolvedOwnsDns(system)) {
            RevertResolvedLinkDns(interfaceName);
            return;
        }
        ResolvConf(paths.resolvConf, system.stateFile("resolv.conf.saved"),
                   system.stateFile("resolv.conf.written"))
            .restoreAutomatic();
    });
}

} // namespace norvane::platform::linux_backend
