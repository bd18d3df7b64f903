#pragma once

#include "netconfig/platform/IManagementService.h"
#include "netconfig/platform/memory/IInstanceProvider.h"

#include <memory>

namespace norvane::platform::memory {

// A management service answered from memory: the local computer's namespace
// root\cimv2 with the classes and instances of one provider.
class MemoryManagementService : public IManagementService {
public:
    explicit MemoryManagementService(std::shared_ptr<IInstanceProvider> provider);

    void initializeThread() override {}
    std::shared_ptr<IServices> connectServer(const ConnectRequest& request) override;
    std::shared_ptr<IDispatchObject> bindMoniker(const std::string& displayName) override;

private:
    std::shared_ptr<IInstanceProvider> provider_;
};

} // namespace norvane::platform::memory
