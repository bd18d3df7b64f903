#include "netconfig/platform/memory/ClassDefinition.h"

#include "netconfig/platform/TextCase.h"

namespace norvane::platform::memory {

const PropertyInfo* ClassDefinition::findProperty(const std::string& propertyName) const {
    for (const auto& property : properties)
        if (EqualsIgnoreCase(property.name, propertyName))
            return &property;
    return nullptr;
}

const MethodDefinition* ClassDefinition::findMethod(const std::string& methodName) const {
    for (const auto& method : methods)
        if (EqualsIgnoreCase(method.name, methodName))
            return &method;
    return nullptr;
}

} // namespace norvane::platform::memory
