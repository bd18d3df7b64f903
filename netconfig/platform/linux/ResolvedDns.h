#pragma once

#include "netconfig/platform/linux/SystemState.h"

#include <string>
#include <vector>

namespace norvane::platform::linux_backend {

// Whether systemd-resolved answers this namespace's name lookups: it runs
// here and the resolver file sends lookups to it. Then DNS servers belong
// to its per-link settings, and writing the file would be overwritten.
bool ResolvedOwnsDns(const SystemState& system);

// Per-link DNS servers through resolvectl; raises std::runtime_error when
// it refuses.
void SetResolvedLinkDns(const std::string& interfaceName, const std::vector<std::string>& servers);
// Back to the servers the link's own configuration (DHCP) provides.
void RevertResolvedLinkDns(const std::string& interfaceName);

} // namespace norvane::platform::linux_backend
