#pragma once

#include "netconfig/platform/linux/SystemPaths.h"

#include <string>

namespace norvane::platform::linux_backend {

// The DHCP half of a connection's configuration, as the companion netsh
// performs it. Each raises norvane::Exception with a sentence naming the
// interface and what went wrong: no rights, no such interface, a network
// manager in charge, no DHCP client installed, no lease.

enum class DhcpAddress { Bound, StillAsking };

// Drops the interface's IPv4 addresses and has the system's DHCP client get
// one and keep renewing it. Waits a few seconds for the lease; when no
// server has answered by then the client goes on asking (as an adapter set
// to DHCP does) and the answer is StillAsking.
DhcpAddress SetAddressByDhcp(const std::string& interfaceName, const SystemPaths& paths = {});

// Returns the name servers to what DHCP provides.
void SetDnsByDhcp(const std::string& interfaceName, const SystemPaths& paths = {});

} // namespace norvane::platform::linux_backend
