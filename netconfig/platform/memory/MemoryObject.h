#pragma once

#include "netconfig/platform/IManagementObject.h"
#include "netconfig/platform/memory/ClassDefinition.h"

#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace norvane::platform::memory {

class MemoryObject;

// Runs a method on an instance; returns the filled output-parameter object.
using MethodRunner = std::function<std::shared_ptr<MemoryObject>(
    MemoryObject& target, const MethodDefinition& method, const MemoryObject* inParameters)>;

// An object of the in-memory object model: an instance, a class definition or
// a parameter object, holding one value per property of its definition.
class MemoryObject : public IManagementObject {
public:
    enum class Role { Instance, Class, Parameters };

    MemoryObject(std::shared_ptr<const ClassDefinition> definition, Role role,
                 MethodRunner runner = {});

    // A parameter object made from a method's parameter list.
    static std::shared_ptr<MemoryObject> parameters(const std::vector<PropertyInfo>& list);

    std::string className() const override;
    std::vector<PropertyInfo> properties() const override;
    Variant get(const std::string& name) const override;
    void put(const std::string& name, const Variant& value) override;
    std::vector<MethodInfo> methods() const override;
    std::shared_ptr<IManagementObject> spawnInstance() const override;
    std::shared_ptr<IManagementObject>
    execMethod(const std::string& method,
               const std::shared_ptr<IManagementObject>& inParameters) override;
    void addPrivilege(int number, bool enabled) override;
    std::string objectText() const override;

    // For the backend and for tests: values without the service's checks,
    // how often properties were fetched, and the privileges added.
    const Variant& value(const std::string& name) const;
    void setValue(const std::string& name, Variant value);
    const ClassDefinition& definition() const { return *definition_; }
    int fetchCount() const { return fetchCount_; }
    const std::set<int>& privileges() const { return privileges_; }

private:
    std::size_t indexOf(const std::string& name) const;

    std::shared_ptr<const ClassDefinition> definition_;
    Role role_;
    MethodRunner runner_;
    std::vector<Variant> values_;
    mutable int fetchCount_ = 0;
    std::set<int> privileges_;
};

} // namespace norvane::platform::memory
