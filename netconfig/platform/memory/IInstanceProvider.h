#pragma once

#include "netconfig/platform/memory/ClassDefinition.h"
#include "netconfig/platform/memory/MemoryObject.h"

#include <memory>
#include <string>
#include <vector>

namespace norvane::platform::memory {

// What a backend built on the in-memory object model supplies: its classes,
// their current instances, and the failures it wants to inject.
class IInstanceProvider {
public:
    virtual ~IInstanceProvider() = default;
    // Null for a class the backend does not offer.
    virtual std::shared_ptr<const ClassDefinition> findClass(const std::string& name) = 0;
    // The instances that exist now, read afresh on every call.
    virtual std::vector<std::shared_ptr<MemoryObject>> instances(const ClassDefinition& cls) = 0;
    // Called before "connect", "query" and "bind"; raises ServiceError to fail them.
    virtual void checkOperation(const std::string& operation) = 0;
};

} // namespace norvane::platform::memory
