#include "netconfig/platform/linux/LinuxNetwork.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/linux/NetlinkReader.h"

namespace norvane::platform::linux_backend {

LinuxNetwork::LinuxNetwork(std::string resolvConf) : resolvConf_(std::move(resolvConf)) {}

std::vector<memory::AdapterRecord> LinuxNetwork::readAdapters() {
    return ReadInterfaces(resolvConf_);
}

std::shared_ptr<memory::MemoryObject> LinuxNetwork::runMethod(std::uint32_t /*index*/,
                                                              const memory::MethodDefinition&,
                                                              const memory::MemoryObject*) {
    throw ServiceError::failed(hresult::WbemNotSupported);
}

} // namespace norvane::platform::linux_backend
