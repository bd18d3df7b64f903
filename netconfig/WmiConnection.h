#pragma once

#include "netconfig/WmiCredentials.h"
#include "netconfig/platform/IManagementService.h"

#include <memory>
#include <string>

namespace norvane {

// A connection to one namespace of the management service:
//
//   TWmiConnection WmiConnection1(*platform.managementService, "WmiConnection1");
//   WmiConnection1.SetConnected(true);    // queries also connect it on opening
//
// A failed call raises TWmiException with the text of its result code.
class TWmiConnection {
public:
    explicit TWmiConnection(platform::IManagementService& service, std::string name = {});

    const std::string& Name() const { return name_; }

    // Empty: the local computer.
    const std::string& MachineName() const { return machineName_; }
    void SetMachineName(std::string machineName);
    const std::string& NameSpace() const { return nameSpace_; }
    void SetNameSpace(std::string nameSpace);
    TWmiCredentials& Credentials() { return credentials_; }

    bool Connected() const { return services_ != nullptr; }
    void SetConnected(bool connected);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    // The services object while connected, else null.
    std::shared_ptr<platform::IServices> Services() const { return services_; }
    platform::IManagementService& Service() const { return service_; }

private:
    void Connect();

    platform::IManagementService& service_;
    std::string name_;
    std::string machineName_;
    std::string nameSpace_ = "root\\cimv2";
    TWmiCredentials credentials_;
    std::shared_ptr<platform::IServices> services_;
};

} // namespace norvane
