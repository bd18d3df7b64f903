#pragma once

#include "netconfig/platform/IManagementService.h"

namespace norvane::platform::windows {

// The management service of Windows (WMI): its COM locator for connections and
// queries, the moniker "winmgmts:" for late-bound calls.
class WindowsManagementService : public IManagementService {
public:
    void initializeThread() override;
    std::shared_ptr<IServices> connectServer(const ConnectRequest& request) override;
    std::shared_ptr<IDispatchObject> bindMoniker(const std::string& displayName) override;
};

} // namespace norvane::platform::windows
