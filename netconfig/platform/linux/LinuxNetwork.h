#pragma once

#include "netconfig/platform/linux/SystemPaths.h"
#include "netconfig/platform/memory/AdapterProvider.h"

#include <string>

namespace norvane::platform::linux_backend {

// The kernel's network interfaces as the two network classes, read afresh at
// every query; the configuration methods change the interface for real.
class LinuxNetwork : public memory::AdapterProvider {
public:
    explicit LinuxNetwork(SystemPaths paths = {});

protected:
    std::vector<memory::AdapterRecord> readAdapters() override;
    std::shared_ptr<memory::MemoryObject> runMethod(std::uint32_t index,
                                                    const memory::MethodDefinition& method,
                                                    const memory::MemoryObject* in) override;

private:
    SystemPaths paths_;
};

} // namespace norvane::platform::linux_backend
