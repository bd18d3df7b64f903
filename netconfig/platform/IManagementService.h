#pragma once

#include "netconfig/platform/IDispatchObject.h"
#include "netconfig/platform/IServices.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace norvane::platform {

struct ConnectRequest {
    std::string machineName; // empty: the local computer
    std::string nameSpace;
    std::string userName;
    std::string password;
    std::string locale;
    std::string authority;
    // Named values passed as the connection's context; none when empty.
    std::vector<std::pair<std::string, std::string>> options;
};

// The platform's management service: the locator of its namespaces and the
// moniker binding used by late-bound calls. Every call may raise ServiceError.
class IManagementService {
public:
    virtual ~IManagementService() = default;
    // Prepares the calling thread for the service; cheap to repeat.
    virtual void initializeThread() = 0;
    virtual std::shared_ptr<IServices> connectServer(const ConnectRequest& request) = 0;
    // Binds a display name such as "winmgmts:\\.\root\cimv2" to an object.
    virtual std::shared_ptr<IDispatchObject> bindMoniker(const std::string& displayName) = 0;
};

} // namespace norvane::platform
