#include "netconfig/platform/memory/MemoryObject.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/TextCase.h"

#include <sstream>

namespace norvane::platform::memory {

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

void renderValue(std::ostringstream& out, const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Text:
        out << '"' << value.asText() << '"';
        break;
    case Variant::Kind::Integer:
        out << value.asInteger();
        break;
    case Variant::Kind::Real:
        out << value.asReal();
        break;
    case Variant::Kind::Boolean:
        out << (value.asBoolean() ? "TRUE" : "FALSE");
        break;
    case Variant::Kind::Array: {
        out << '{';
        const char* separator = "";
        for (const auto& item : value.items()) {
            out << separator;
            renderValue(out, item);
            separator = ", ";
        }
        out << '}';
        break;
    }
    default:
        out << "NULL";
    }
}

} // namespace

MemoryObject::MemoryObject(std::shared_ptr<const ClassDefinition> definition, Role role,
                           MethodRunner runner)
    : definition_(std::move(definition)), role_(role), runner_(std::move(runner)),
      values_(definition_->properties.size(), Variant::Null()) {}

std::shared_ptr<MemoryObject> MemoryObject::parameters(const std::vector<PropertyInfo>& list) {
    auto definition = std::make_shared<ClassDefinition>();
    definition->name = "__PARAMETERS";
    definition->properties = list;
    return std::make_shared<MemoryObject>(std::move(definition), Role::Parameters);
}

std::string MemoryObject::className() const {
    return definition_->name;
}

std::vector<PropertyInfo> MemoryObject::properties() const {
    return definition_->properties;
}

std::size_t MemoryObject::indexOf(const std::string& name) const {
    for (std::size_t i = 0; i < definition_->properties.size(); ++i)
        if (EqualsIgnoreCase(definition_->properties[i].name, name))
            return i;
    return npos;
}

Variant MemoryObject::get(const std::string& name) const {
    const auto index = indexOf(name);
    if (index == npos)
        throw ServiceError::failed(hresult::WbemNotFound);
    ++fetchCount_;
    return values_[index];
}

void MemoryObject::put(const std::string& name, const Variant& value) {
    const auto index = indexOf(name);
    if (index == npos)
        throw ServiceError::failed(hresult::WbemNotFound);
    const bool wantsArray = definition_->properties[index].isArray;
    if (!value.isEmptyOrNull() && value.isArray() != wantsArray)
        throw ServiceError::failed(hresult::WbemTypeMismatch);
    values_[index] = value.isEmpty() ? Variant::Null() : value;
}

const Variant& MemoryObject::value(const std::string& name) const {
    static const Variant null = Variant::Null();
    const auto index = indexOf(name);
    return index == npos ? null : values_[index];
}

void MemoryObject::setValue(const std::string& name, Variant value) {
    const auto index = indexOf(name);
    if (index != npos)
        values_[index] = std::move(value);
}

std::vector<MethodInfo> MemoryObject::methods() const {
    std::vector<MethodInfo> result;
    for (const auto& method : definition_->methods) {
        MethodInfo info;
        info.name = method.name;
        if (!method.inParameters.empty())
            info.inParameters = parameters(method.inParameters);
        if (!method.outParameters.empty())
            info.outParameters = parameters(method.outParameters);
        info.qualifiers = method.qualifiers;
        result.push_back(std::move(info));
    }
    return result;
}

std::shared_ptr<IManagementObject> MemoryObject::spawnInstance() const {
    const Role role = role_ == Role::Class ? Role::Instance : role_;
    return std::make_shared<MemoryObject>(definition_, role, runner_);
}

std::shared_ptr<IManagementObject>
MemoryObject::execMethod(const std::string& method,
                         const std::shared_ptr<IManagementObject>& inParameters) {
    const MethodDefinition* definition = definition_->findMethod(method);
    if (definition == nullptr || role_ != Role::Instance)
        throw ServiceError::failed(hresult::WbemInvalidMethod);
    if (!runner_)
        throw ServiceError::failed(hresult::WbemNotSupported);
    const auto* in = dynamic_cast<const MemoryObject*>(inParameters.get());
    if (inParameters && in == nullptr)
        throw ServiceError::failed(hresult::WbemInvalidMethodParameters);
    return runner_(*this, *definition, in);
}

void MemoryObject::addPrivilege(int number, bool enabled) {
    if (number < 1 || number > 26)
        throw ServiceError::failed(hresult::WbemInvalidParameter);
    if (enabled)
        privileges_.insert(number);
    else
        privileges_.erase(number);
}

std::string MemoryObject::objectText() const {
    std::ostringstream out;
    out << "\ninstance of " << definition_->name << "\n{\n";
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (values_[i].isNull())
            continue;
        out << '\t' << definition_->properties[i].name << " = ";
        renderValue(out, values_[i]);
        out << ";\n";
    }
    out << "};\n";
    return out.str();
}

} // namespace norvane::platform::memory
