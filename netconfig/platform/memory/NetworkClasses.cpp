#include "netconfig/platform/memory/NetworkClasses.h"

#include "netconfig/platform/CimType.h"

namespace norvane::platform::memory {

namespace {

PropertyInfo property(const char* name, int cimType, bool isArray = false, bool key = false) {
    PropertyInfo info{name, cimType, isArray, {{"read", Variant(true)}}};
    if (key)
        info.qualifiers.push_back({"key", Variant(true)});
    return info;
}

PropertyInfo parameter(const char* name, int cimType, bool isArray, int id, bool in) {
    return {name, cimType, isArray, {{in ? "In" : "Out", Variant(true)}, {"ID", Variant(id)}}};
}

MethodDefinition method(const char* name, std::vector<PropertyInfo> in) {
    return {name,
            std::move(in),
            {parameter("ReturnValue", cim::Uint32, false, 0, false)},
            {{"Implemented", Variant(true)}}};
}

} // namespace

std::shared_ptr<ClassDefinition> MakeAdapterClass() {
    auto cls = std::make_shared<ClassDefinition>();
    cls->name = AdapterClassName;
    cls->properties = {
        property("AdapterType", cim::String),
        property("Description", cim::String),
        property("DeviceID", cim::String, false, true),
        property("Index", cim::Uint32),
        property("MACAddress", cim::String),
        property("Name", cim::String),
        property("NetConnectionID", cim::String),
        property("Speed", cim::Uint64),
    };
    return cls;
}

std::shared_ptr<ClassDefinition> MakeConfigurationClass() {
    auto cls = std::make_shared<ClassDefinition>();
    cls->name = ConfigurationClassName;
    cls->properties = {
        property("DefaultIPGateway", cim::String, true),
        property("Description", cim::String),
        property("DHCPEnabled", cim::Boolean),
        property("DNSServerSearchOrder", cim::String, true),
        property("Index", cim::Uint32, false, true),
        property("IPAddress", cim::String, true),
        property("IPEnabled", cim::Boolean),
        property("IPSubnet", cim::String, true),
        property("MACAddress", cim::String),
        property("SettingID", cim::String),
    };
    cls->methods = {
        method("EnableStatic", {parameter("IPAddress", cim::String, true, 0, true),
                                parameter("SubnetMask", cim::String, true, 1, true)}),
        method("SetGateways", {parameter("DefaultIPGateway", cim::String, true, 0, true),
                               parameter("GatewayCostMetric", cim::Uint16, true, 1, true)}),
        method("SetDNSServerSearchOrder",
               {parameter("DNSServerSearchOrder", cim::String, true, 0, true)}),
    };
    return cls;
}

} // namespace norvane::platform::memory
