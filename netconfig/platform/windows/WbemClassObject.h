#pragma once

#include "netconfig/platform/IManagementObject.h"
#include "netconfig/platform/windows/ComPtr.h"
#include "netconfig/platform/windows/WbemPrivileges.h"

#include <wbemcli.h>

namespace norvane::platform::windows {

// One object of the management service: an instance, a class definition or a
// method's parameter object. Instances keep the connection they came from,
// which runs their methods and gives their class definitions.
class WbemClassObject : public IManagementObject {
public:
    WbemClassObject(ComPtr<IWbemClassObject> object, ComPtr<IWbemServices> services)
        : object_(std::move(object)), services_(std::move(services)) {}

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

    IWbemClassObject* raw() const { return object_.get(); }

private:
    std::shared_ptr<IManagementObject> wrap(IWbemClassObject* object) const;
    std::string textOf(const wchar_t* systemProperty) const;
    // Methods are described by the class, not by its instances.
    ComPtr<IWbemClassObject> definition() const;

    ComPtr<IWbemClassObject> object_;
    ComPtr<IWbemServices> services_;
    std::vector<PrivilegeRequest> privileges_;
};

} // namespace norvane::platform::windows
