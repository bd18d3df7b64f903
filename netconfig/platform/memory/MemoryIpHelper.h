#pragma once

#include "netconfig/platform/IIpHelper.h"
#include "netconfig/platform/memory/AdapterProvider.h"

#include <memory>

namespace norvane::platform::memory {

// The IP helper over the same adapter records as the management classes, so
// both tell the same story. Only IPv4 addresses are listed, as the system's
// own IP helper does.
class MemoryIpHelper : public IIpHelper {
public:
    enum class Naming {
        SettingId,     // adapter name "{Index}", connection name its NetConnectionID
        InterfaceName, // adapter name and connection name both the interface name
    };

    MemoryIpHelper(std::shared_ptr<AdapterProvider> provider, Naming naming);

    bool bind() override { return true; }
    std::uint32_t getAdaptersInfo(std::vector<IpAdapterInfo>& adapters) override;
    bool hasPerAdapterInfo() override { return true; }
    std::uint32_t getPerAdapterInfo(std::uint32_t index, std::size_t bufferSize,
                                    IpPerAdapterInfo& info) override;
    std::string connectionName(const std::string& adapterName) override;

private:
    std::optional<std::vector<AdapterRecord>> records();
    std::string adapterNameOf(const AdapterRecord& record) const;

    std::shared_ptr<AdapterProvider> provider_;
    Naming naming_;
};

// The bytes of a hardware address text such as "08:00:27:00:00:07" (or with
// "-"), at most 8; none when the text is not one.
std::vector<std::uint8_t> HardwareAddressBytes(const std::string& text);

// The room the system's per-adapter structure takes with this many DNS
// servers, laid out as on a 64-bit system.
std::size_t PerAdapterInfoSize(std::size_t dnsServers);

} // namespace norvane::platform::memory
