#pragma once

#include "netconfig/platform/IManagementObject.h"
#include "netconfig/platform/IObjectEnumerator.h"

#include <memory>
#include <string>

namespace norvane::platform {

// Query flags of the management service.
namespace queryflags {
inline constexpr int ReturnImmediately = 16;
inline constexpr int ForwardOnly = 32;
} // namespace queryflags

// A connection to one namespace of the management service.
class IServices {
public:
    virtual ~IServices() = default;
    virtual std::unique_ptr<IObjectEnumerator>
    execQuery(const std::string& query, const std::string& language, int flags) = 0;
    // The definition of a class; amended asks for localised qualifiers too.
    virtual std::shared_ptr<IManagementObject> getClass(const std::string& className,
                                                        bool amended) = 0;
    virtual void setImpersonationLevel(int level) = 0;
};

} // namespace norvane::platform
