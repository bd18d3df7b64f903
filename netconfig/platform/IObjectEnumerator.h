#pragma once

#include "netconfig/platform/IManagementObject.h"

#include <memory>

namespace norvane::platform {

// A forward-only enumeration of a query's result, read one object at a time.
class IObjectEnumerator {
public:
    virtual ~IObjectEnumerator() = default;
    // The next object, or null at the end.
    virtual std::shared_ptr<IManagementObject> next() = 0;
};

} // namespace norvane::platform
