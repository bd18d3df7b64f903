#include "netconfig/platform/linux/LinuxNetwork.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"
#include "netconfig/platform/linux/InterfaceConfigurator.h"
#include "netconfig/platform/linux/NetlinkReader.h"

#include <climits>

namespace norvane::platform::linux_backend {

namespace {

std::vector<std::string> texts(const memory::MemoryObject* in, const char* name) {
    return in == nullptr ? std::vector<std::string>{} : memory::TextsOf(in->value(name));
}

std::vector<std::int64_t> integers(const memory::MemoryObject* in, const char* name) {
    std::vector<std::int64_t> values;
    if (in == nullptr)
        return values;
    const Variant& value = in->value(name);
    if (value.isArray())
        for (const auto& item : value.items())
            values.push_back(item.asInteger());
    else if (value.kind() == Variant::Kind::Integer)
        values.push_back(value.asInteger());
    return values;
}

} // namespace

LinuxNetwork::LinuxNetwork(SystemPaths paths) : paths_(std::move(paths)) {}

std::vector<memory::AdapterRecord> LinuxNetwork::readAdapters() {
    return ReadInterfaces(paths_.resolvConf);
}

std::shared_ptr<memory::MemoryObject>
LinuxNetwork::runMethod(std::uint32_t index, const memory::MethodDefinition& method,
                        const memory::MemoryObject* in) {
    if (index > INT_MAX)
        throw ServiceError::failed(hresult::WbemNotFound);
    const SystemState system(paths_);
    std::uint32_t result = 0;
    try {
        InterfaceConfigurator configurator(system, static_cast<int>(index));
        if (EqualsIgnoreCase(method.name, "EnableStatic"))
            result = configurator.enableStatic(texts(in, "IPAddress"), texts(in, "SubnetMask"));
        else if (EqualsIgnoreCase(method.name, "SetGateways"))
            result = configurator.setGateways(texts(in, "DefaultIPGateway"),
                                              integers(in, "GatewayCostMetric"));
        else if (EqualsIgnoreCase(method.name, "SetDNSServerSearchOrder"))
            result = configurator.setDnsServers(texts(in, "DNSServerSearchOrder"));
        else
            throw ServiceError::failed(hresult::WbemNotSupported);
    } catch (const NetlinkError&) {
        throw ServiceError::failed(hresult::WbemFailed);
    }
    return outParameters(method, Variant(static_cast<std::int64_t>(result)));
}

} // namespace norvane::platform::linux_backend
