#pragma once

#include "netconfig/platform/IManagementObject.h"

#include <string>
#include <vector>

namespace norvane::platform::memory {

struct MethodDefinition {
    std::string name;
    std::vector<PropertyInfo> inParameters; // none: the method takes no input object
    std::vector<PropertyInfo> outParameters;
    std::vector<Qualifier> qualifiers;
};

// A class of the in-memory object model: its properties and methods in order.
struct ClassDefinition {
    std::string name;
    std::vector<PropertyInfo> properties;
    std::vector<MethodDefinition> methods;

    const PropertyInfo* findProperty(const std::string& propertyName) const;
    const MethodDefinition* findMethod(const std::string& methodName) const;
};

} // namespace norvane::platform::memory
