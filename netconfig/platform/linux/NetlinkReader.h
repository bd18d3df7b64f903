#pragma once

#include "netconfig/platform/memory/AdapterRecord.h"

#include <string>
#include <vector>

namespace norvane::platform::linux_backend {

// Reads the kernel's network interfaces, other than loopback, with their
// addresses, default gateways and the system's DNS servers. Raises
// ServiceError when the kernel cannot be asked.
std::vector<memory::AdapterRecord> ReadInterfaces(const std::string& resolvConf);

// The name servers of a resolv.conf text, in order.
std::vector<std::string> NameServers(const std::string& resolvConfText);

} // namespace norvane::platform::linux_backend
