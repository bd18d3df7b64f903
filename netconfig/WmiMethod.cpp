#include "netconfig/WmiMethod.h"

#include "netconfig/WmiException.h"
#include "netconfig/WmiServiceCall.h"
#include "netconfig/WmiValueText.h"
#include "netconfig/platform/TextCase.h"

#include <optional>

namespace norvane {

using platform::Variant;

namespace {

std::optional<platform::MethodInfo> findMethod(const platform::IManagementObject& object,
                                               const std::string& name) {
    for (auto& method : WmiServiceCall([&] { return object.methods(); }))
        if (platform::EqualsIgnoreCase(method.name, name))
            return method;
    return std::nullopt;
}

const platform::PropertyInfo* findProperty(const std::vector<platform::PropertyInfo>& properties,
                                           const std::string& name) {
    for (const auto& property : properties)
        if (platform::EqualsIgnoreCase(property.name, name))
            return &property;
    return nullptr;
}

// An array property takes an array of variants: an array keeps its bounds,
// a single value becomes the one element of an array with bounds 0 to 0.
Variant asArray(const Variant& value) {
    if (value.isArray())
        return Variant::Array(value.items(), value.lowBound());
    return Variant::Array({value}, 0);
}

} // namespace

TWmiMethod::TWmiMethod(std::string name) : name_(std::move(name)) {}

void TWmiMethod::SetWmiMethodName(const std::string& methodName) {
    if (methodName == methodName_)
        return;
    methodName_ = methodName;
    qualifiers_.clear();
    qualifiersRead_ = false;
    RebuildInParams();
}

void TWmiMethod::RebuildInParams() {
    inParams_.Clear();
    const auto target = source_ != nullptr ? source_->GetWmiObject() : nullptr;
    if (!target)
        return;
    const auto method = findMethod(*target, methodName_);
    if (!method || !method->inParameters)
        return;
    const auto& definition = *method->inParameters;
    for (const auto& property : WmiServiceCall([&] { return definition.properties(); }))
        inParams_.Add(
            TWmiParam(property.name, FieldKindOfCimType(property.cimType, property.isArray)));
}

const TWmiQualifiers& TWmiMethod::WmiMethodQualifiers() {
    if (qualifiersRead_)
        return qualifiers_;
    const auto target = source_ != nullptr ? source_->GetWmiObject() : nullptr;
    const auto services = source_ != nullptr ? source_->GetWmiServices() : nullptr;
    if (target && services) {
        const auto cls =
            WmiServiceCall([&] { return services->getClass(target->className(), true); });
        if (const auto method = findMethod(*cls, methodName_))
            qualifiers_ = method->qualifiers;
    }
    qualifiersRead_ = true;
    return qualifiers_;
}

void TWmiMethod::AddPrivileges(platform::IManagementObject& target) {
    for (const TWmiPrivilege privilege : privileges_)
        WmiServiceCall([&] { target.addPrivilege(static_cast<int>(privilege) + 1, true); });
    for (const auto& qualifier : WmiMethodQualifiers()) {
        if (!platform::EqualsIgnoreCase(qualifier.name, "Privileges"))
            continue;
        const auto names = qualifier.value.isArray() ? qualifier.value.items()
                                                     : std::vector<Variant>{qualifier.value};
        for (const auto& name : names)
            if (const int number = WmiPrivilegeNumber(name.asText()))
                WmiServiceCall([&] { target.addPrivilege(number, true); });
    }
}

std::shared_ptr<platform::IManagementObject>
TWmiMethod::FillInParameters(const platform::MethodInfo* method) {
    if (method == nullptr || !method->inParameters)
        return nullptr;
    const auto& definition = *method->inParameters;
    auto instance = WmiServiceCall([&] { return definition.spawnInstance(); });
    const auto properties = WmiServiceCall([&] { return instance->properties(); });
    for (auto& param : inParams_) {
        if (param.IsNull())
            continue;
        const platform::PropertyInfo* property = findProperty(properties, param.Name());
        if (property == nullptr)
            throw TWmiException::FromCode(platform::hresult::WbemNotFound);
        const Variant value = property->isArray ? asArray(param.Value()) : param.Value();
        WmiServiceCall([&] { instance->put(property->name, value); });
    }
    return instance;
}

void TWmiMethod::ReadOutParams(const std::shared_ptr<platform::IManagementObject>& out) {
    outParams_.Clear();
    if (!out)
        return;
    for (const auto& property : WmiServiceCall([&] { return out->properties(); })) {
        const TFieldKind kind = FieldKindOfCimType(property.cimType, property.isArray);
        auto value = WmiServiceCall([&] { return out->get(property.name); });
        outParams_.Add(TWmiParam(property.name, kind, WmiFieldValue(kind, value)));
    }
}

int TWmiMethod::Execute() {
    if (source_ == nullptr)
        throw TWmiException("WmiObjectSource property is not assigned. Cannot execute method of "
                            "non existing object.");
    const auto target = source_->GetWmiObject();
    if (!target)
        throw TWmiException("WmiObjectSource does not return the object. Cannot execute method "
                            "of non existing object.");
    if (platform::Trim(methodName_).empty())
        throw TWmiException("WmiMethodName is not specified. Cannot execute unknown method.");

    AddPrivileges(*target);
    const auto method = findMethod(*target, methodName_);
    const auto in = FillInParameters(method ? &*method : nullptr);
    const auto out = WmiServiceCall([&] { return target->execMethod(methodName_, in); });
    ReadOutParams(out);

    const TWmiParam* returnValue = outParams_.FindParam("ReturnValue");
    if (returnValue == nullptr)
        lastWmiError_ = -1;
    else
        lastWmiError_ = returnValue->IsNull() ? 0 : static_cast<int>(returnValue->AsInteger());
    return lastWmiError_;
}

} // namespace norvane
