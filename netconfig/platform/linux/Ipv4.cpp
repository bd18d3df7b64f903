#include "netconfig/platform/linux/Ipv4.h"

#include <arpa/inet.h>

namespace norvane::platform::linux_backend {

namespace {

std::uint32_t maskOf(int prefix) {
    return prefix == 0 ? 0 : ~0u << (32 - prefix);
}

} // namespace

std::optional<Ipv4> ParseIpv4(const std::string& text) {
    in_addr address{};
    // inet_pton takes only the four-part dotted form, unlike inet_aton.
    if (inet_pton(AF_INET, text.c_str(), &address) != 1)
        return std::nullopt;
    return ntohl(address.s_addr);
}

std::string Ipv4Text(Ipv4 address) {
    return std::to_string(address >> 24) + '.' + std::to_string((address >> 16) & 255) + '.' +
           std::to_string((address >> 8) & 255) + '.' + std::to_string(address & 255);
}

std::optional<int> PrefixOfMask(const std::string& text) {
    const auto mask = ParseIpv4(text);
    if (!mask || *mask == 0)
        return std::nullopt;
    int prefix = 0;
    while (prefix < 32 && (*mask & (1u << (31 - prefix))) != 0)
        ++prefix;
    if (*mask != maskOf(prefix))
        return std::nullopt;
    return prefix;
}

bool IsUnicastAddress(Ipv4 address) {
    const std::uint32_t first = address >> 24;
    return first != 0 && first != 127 && first < 224;
}

bool InNetwork(Ipv4 address, Ipv4 base, int prefix) {
    return (address & maskOf(prefix)) == (base & maskOf(prefix));
}

} // namespace norvane::platform::linux_backend
