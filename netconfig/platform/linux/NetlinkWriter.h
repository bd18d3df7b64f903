#pragma once

#include "netconfig/platform/linux/Ipv4.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct nl_sock;

namespace norvane::platform::linux_backend {

// A refused netlink request, with libnl's error number (NLE_*).
class NetlinkError : public std::runtime_error {
public:
    NetlinkError(int code, const std::string& what);
    int code() const { return code_; }

private:
    int code_;
};

struct InterfaceAddress {
    Ipv4 address = 0;
    int prefix = 32;
    bool operator==(const InterfaceAddress&) const = default;
};

struct DefaultRoute {
    Ipv4 gateway = 0;
    std::uint32_t metric = 0;
};

struct LinkState {
    int index = 0;
    std::string name;
    bool up = false;
};

// Changes one network namespace's IPv4 configuration through the kernel's
// routing netlink. A change that fails half-way puts back what it removed,
// so the interface is never left with neither the old nor the new settings.
class NetlinkWriter {
public:
    NetlinkWriter();
    ~NetlinkWriter();
    NetlinkWriter(const NetlinkWriter&) = delete;
    NetlinkWriter& operator=(const NetlinkWriter&) = delete;

    std::optional<LinkState> linkByIndex(int index);
    std::optional<LinkState> linkByName(const std::string& name);

    std::vector<InterfaceAddress> addresses(int interfaceIndex);
    void replaceAddresses(int interfaceIndex, const std::vector<InterfaceAddress>& wanted);
    void removeAddresses(int interfaceIndex);

    // Replaces the interface's IPv4 default routes (main table).
    void replaceDefaultRoutes(int interfaceIndex, const std::vector<DefaultRoute>& wanted);

private:
    void addAddress(int interfaceIndex, const InterfaceAddress& address);
    void deleteAddress(int interfaceIndex, const InterfaceAddress& address);
    std::optional<LinkState> link(int index, const char* name);

    struct SocketDeleter {
        void operator()(nl_sock* sock) const;
    };
    std::unique_ptr<nl_sock, SocketDeleter> sock_;
};

} // namespace norvane::platform::linux_backend
