#pragma once

#include "netconfig/platform/memory/AdapterProvider.h"

#include <string>

namespace norvane::platform::linux_backend {

// The kernel's network interfaces as the two network classes, read afresh at
// every query. Changing the configuration is not offered yet: the methods
// fail with the service's not-supported code.
class LinuxNetwork : public memory::AdapterProvider {
public:
    explicit LinuxNetwork(std::string resolvConf = "/etc/resolv.conf");

protected:
    std::vector<memory::AdapterRecord> readAdapters() override;
    std::shared_ptr<memory::MemoryObject> runMethod(std::uint32_t index,
                                                    const memory::MethodDefinition& method,
                                                    const memory::MemoryObject* in) override;

private:
    std::string resolvConf_;
};

} // namespace norvane::platform::linux_backend
