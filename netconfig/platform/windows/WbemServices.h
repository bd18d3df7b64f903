#pragma once

#include "netconfig/platform/IServices.h"
#include "netconfig/platform/windows/ComPtr.h"

#include <wbemcli.h>

namespace norvane::platform::windows {

// A connection to one namespace of the management service.
class WbemServices : public IServices {
public:
    explicit WbemServices(ComPtr<IWbemServices> services) : services_(std::move(services)) {}

    std::unique_ptr<IObjectEnumerator> execQuery(const std::string& query,
                                                 const std::string& language, int flags) override;
    std::shared_ptr<IManagementObject> getClass(const std::string& className,
                                                bool amended) override;
    void setImpersonationLevel(int level) override;

private:
    ComPtr<IWbemServices> services_;
    DWORD impersonation_ = RPC_C_IMP_LEVEL_DEFAULT;
};

} // namespace norvane::platform::windows
