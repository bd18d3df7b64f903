#include "netconfig/platform/memory/AdapterProvider.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"
#include "netconfig/platform/memory/NetworkClasses.h"

namespace norvane::platform::memory {

namespace {

Variant optionalText(const std::optional<std::string>& text) {
    return text ? Variant(*text) : Variant::Null();
}

} // namespace

Variant TextArray(const std::vector<std::string>& texts) {
    if (texts.empty())
        return Variant::Null();
    std::vector<Variant> items(texts.begin(), texts.end());
    return Variant::Array(std::move(items));
}

std::vector<std::string> TextsOf(const Variant& value) {
    std::vector<std::string> texts;
    if (value.isArray()) {
        for (const auto& item : value.items())
            texts.push_back(item.asText());
    } else if (value.kind() == Variant::Kind::Text) {
        texts.push_back(value.asText());
    }
    return texts;
}

AdapterProvider::AdapterProvider()
    : adapterClass_(MakeAdapterClass()), configurationClass_(MakeConfigurationClass()) {}

std::shared_ptr<const ClassDefinition> AdapterProvider::findClass(const std::string& name) {
    if (EqualsIgnoreCase(name, adapterClass_->name))
        return adapterClass_;
    if (EqualsIgnoreCase(name, configurationClass_->name))
        return configurationClass_;
    return nullptr;
}

std::vector<std::shared_ptr<MemoryObject>> AdapterProvider::instances(const ClassDefinition& cls) {
    std::vector<std::shared_ptr<MemoryObject>> objects;
    const bool configurations = &cls == configurationClass_.get();
    for (const auto& record : readAdapters())
        objects.push_back(configurations ? configurationObject(record) : adapterObject(record));
    return objects;
}

std::shared_ptr<MemoryObject> AdapterProvider::adapterObject(const AdapterRecord& record) const {
    auto object = std::make_shared<MemoryObject>(adapterClass_, MemoryObject::Role::Instance);
    object->setValue("AdapterType", optionalText(record.adapterType));
    object->setValue("Description", Variant(record.description));
    object->setValue("DeviceID", Variant(std::to_string(record.index)));
    object->setValue("Index", Variant(record.index));
    object->setValue("MACAddress", optionalText(record.macAddress));
    object->setValue("Name", Variant(record.description));
    object->setValue("NetConnectionID", optionalText(record.netConnectionId));
    // 64-bit values travel as decimal text, as the service delivers them.
    object->setValue("Speed",
                     record.speed ? Variant(std::to_string(*record.speed)) : Variant::Null());
    return object;
}

std::shared_ptr<MemoryObject> AdapterProvider::configurationObject(const AdapterRecord& record) {
    std::weak_ptr<AdapterProvider> self = weak_from_this();
    const std::uint32_t index = record.index;
    auto runner = [self, index](MemoryObject&, const MethodDefinition& method,
                                const MemoryObject* in) -> std::shared_ptr<MemoryObject> {
        const auto provider = self.lock();
        if (!provider)
            throw ServiceError::failed(hresult::WbemFailed);
        return provider->runMethod(index, method, in);
    };
    auto object =
        std::make_shared<MemoryObject>(configurationClass_, MemoryObject::Role::Instance, runner);
    object->setValue("DefaultIPGateway", TextArray(record.defaultIPGateway));
    object->setValue("Description", Variant(record.description));
    object->setValue("DHCPEnabled", Variant(record.dhcpEnabled));
    object->setValue("DNSServerSearchOrder", TextArray(record.dnsServerSearchOrder));
    object->setValue("Index", Variant(record.index));
    object->setValue("IPAddress", TextArray(record.ipAddress));
    object->setValue("IPEnabled", Variant(record.ipEnabled));
    object->setValue("IPSubnet", TextArray(record.ipSubnet));
    object->setValue("MACAddress", optionalText(record.macAddress));
    object->setValue("SettingID", Variant("{" + std::to_string(record.index) + "}"));
    return object;
}

std::shared_ptr<MemoryObject> AdapterProvider::outParameters(const MethodDefinition& method,
                                                             const Variant& returnValue) {
    auto out = MemoryObject::parameters(method.outParameters);
    out->setValue("ReturnValue", returnValue);
    return out;
}

} // namespace norvane::platform::memory
