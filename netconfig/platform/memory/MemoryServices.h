#pragma once

#include "netconfig/platform/IServices.h"
#include "netconfig/platform/memory/IInstanceProvider.h"

#include <memory>

namespace norvane::platform::memory {

// The namespace root\cimv2 of the in-memory object model.
class MemoryServices : public IServices {
public:
    explicit MemoryServices(std::shared_ptr<IInstanceProvider> provider);

    std::unique_ptr<IObjectEnumerator> execQuery(const std::string& query,
                                                 const std::string& language, int flags) override;
    std::shared_ptr<IManagementObject> getClass(const std::string& className,
                                                bool amended) override;
    void setImpersonationLevel(int level) override;

    int impersonationLevel() const { return impersonationLevel_; }

private:
    std::shared_ptr<IInstanceProvider> provider_;
    int impersonationLevel_ = 0;
};

} // namespace norvane::platform::memory
