#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace norvane::platform::linux_backend {

// An IPv4 address in host byte order.
using Ipv4 = std::uint32_t;

// The address of a dotted text, or nothing when the text is not one.
std::optional<Ipv4> ParseIpv4(const std::string& text);
std::string Ipv4Text(Ipv4 address);

// The prefix length of a subnet mask (contiguous ones, at least one bit), or
// nothing for a mask that is not one.
std::optional<int> PrefixOfMask(const std::string& text);

// An address one interface can own: not 0.0.0.0, loopback, multicast,
// reserved or the limited broadcast.
bool IsUnicastAddress(Ipv4 address);

// Whether address lies in the network of base/prefix.
bool InNetwork(Ipv4 address, Ipv4 base, int prefix);

} // namespace norvane::platform::linux_backend
