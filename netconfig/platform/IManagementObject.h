#pragma once

#include "netconfig/platform/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace norvane::platform {

struct Qualifier {
    std::string name;
    Variant value;
};

struct PropertyInfo {
    std::string name;
    int cimType = 0; // element type for arrays
    bool isArray = false;
    std::vector<Qualifier> qualifiers;
};

class IManagementObject;

struct MethodInfo {
    std::string name;
    // Definitions of the parameter objects; null when the method has none.
    std::shared_ptr<IManagementObject> inParameters;
    std::shared_ptr<IManagementObject> outParameters;
    std::vector<Qualifier> qualifiers;
};

// One object of the management service (an instance, a class definition or a
// method's parameter object). Every call may raise ServiceError.
class IManagementObject {
public:
    virtual ~IManagementObject() = default;

    virtual std::string className() const = 0;
    // The object's properties in their defined order, system properties left out.
    virtual std::vector<PropertyInfo> properties() const = 0;
    // Fetches one property's value from the service; an unknown name raises.
    virtual Variant get(const std::string& name) const = 0;
    virtual void put(const std::string& name, const Variant& value) = 0;
    virtual std::vector<MethodInfo> methods() const = 0;
    // A new instance of this definition (used for a method's input parameters).
    virtual std::shared_ptr<IManagementObject> spawnInstance() const = 0;
    // Runs a method of this object; the result is the output-parameter object.
    virtual std::shared_ptr<IManagementObject>
    execMethod(const std::string& method,
               const std::shared_ptr<IManagementObject>& inParameters) = 0;
    // Adds a privilege by the service's privilege number (1 to 26).
    virtual void addPrivilege(int number, bool enabled) = 0;
    // The object rendered as text by the service.
    virtual std::string objectText() const = 0;
};

} // namespace norvane::platform
