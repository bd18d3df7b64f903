#pragma once

#include "netconfig/WmiObjectSource.h"
#include "netconfig/WmiParams.h"
#include "netconfig/WmiPrivilege.h"
#include "netconfig/platform/IManagementObject.h"

#include <string>
#include <vector>

namespace norvane {

using TWmiQualifiers = std::vector<platform::Qualifier>;

// Runs a method of the object on a query's current row, with named input
// parameters:
//
//   TWmiMethod WmiMethod1("WmiMethod1");
//   WmiMethod1.SetWmiObjectSource(&WmiAdapters);
//   WmiMethod1.Privileges() = AllWmiPrivileges();
//   WmiMethod1.SetWmiMethodName("EnableStatic");   // InParams from the method's definition
//   WmiMethod1.InParams().ParamByName("IPAddress").SetAsString("10.0.0.5");  // sent as
//   {"10.0.0.5"} WmiMethod1.InParams().ParamByName("SubnetMask").SetAsString("255.0.0.0"); int
//   returnValue = WmiMethod1.Execute();
//
// A method that runs and reports an error only returns it (ReturnValue);
// a failed service call raises TWmiException.
class TWmiMethod {
public:
    explicit TWmiMethod(std::string name = {});
    TWmiMethod(const TWmiMethod&) = delete;
    TWmiMethod& operator=(const TWmiMethod&) = delete;

    const std::string& Name() const { return name_; }

    IWmiObjectSource* WmiObjectSource() const { return source_; }
    void SetWmiObjectSource(IWmiObjectSource* source) { source_ = source; }

    const std::string& WmiMethodName() const { return methodName_; }
    // A new name rebuilds InParams with empty values from the method's
    // definition on the source's current object; the same name keeps them.
    void SetWmiMethodName(const std::string& methodName);

    TWmiParams& InParams() { return inParams_; }
    TWmiParams& OutParams() { return outParams_; }
    // The method's qualifiers, read from its class definition on first use.
    const TWmiQualifiers& WmiMethodQualifiers();
    TWmiPrivileges& Privileges() { return privileges_; }
    // The ReturnValue of the last Execute: 0 when null, -1 when missing.
    int LastWmiError() const { return lastWmiError_; }

    int Execute();

private:
    void RebuildInParams();
    std::shared_ptr<platform::IManagementObject>
    FillInParameters(const platform::MethodInfo* method);
    void AddPrivileges(platform::IManagementObject& target);
    void ReadOutParams(const std::shared_ptr<platform::IManagementObject>& out);

    std::string name_;
    IWmiObjectSource* source_ = nullptr;
    std::string methodName_;
    TWmiParams inParams_{name_};
    TWmiParams outParams_{name_};
    TWmiQualifiers qualifiers_;
    bool qualifiersRead_ = false;
    TWmiPrivileges privileges_;
    int lastWmiError_ = 0;
};

} // namespace norvane
