#pragma once

#include "netconfig/platform/memory/AdapterRecord.h"
#include "netconfig/platform/memory/IInstanceProvider.h"

#include <memory>
#include <string>
#include <vector>

namespace norvane::platform::memory {

// A provider of the two network classes over a list of adapter records. A
// backend says where the records come from and what the methods do.
class AdapterProvider : public IInstanceProvider,
                        public std::enable_shared_from_this<AdapterProvider> {
public:
    AdapterProvider();

    std::shared_ptr<const ClassDefinition> findClass(const std::string& name) override;
    std::vector<std::shared_ptr<MemoryObject>> instances(const ClassDefinition& cls) override;
    void checkOperation(const std::string& /*operation*/) override {}

    // The adapters as they are now, as both classes and the IP helper see them.
    std::vector<AdapterRecord> adapters() { return readAdapters(); }

protected:
    // The adapters as they are now.
    virtual std::vector<AdapterRecord> readAdapters() = 0;
    // Runs a configuration method on the adapter with this index; returns the
    // method's ReturnValue (or raises ServiceError).
    virtual std::shared_ptr<MemoryObject> runMethod(std::uint32_t index,
                                                    const MethodDefinition& method,
                                                    const MemoryObject* inParameters) = 0;

    // An output object holding ReturnValue.
    static std::shared_ptr<MemoryObject> outParameters(const MethodDefinition& method,
                                                       const Variant& returnValue);

    ClassDefinition& adapterClass() { return *adapterClass_; }
    ClassDefinition& configurationClass() { return *configurationClass_; }

private:
    std::shared_ptr<MemoryObject> adapterObject(const AdapterRecord& record) const;
    std::shared_ptr<MemoryObject> configurationObject(const AdapterRecord& record);

    std::shared_ptr<ClassDefinition> adapterClass_;
    std::shared_ptr<ClassDefinition> configurationClass_;
};

// Strings of an adapter record as the array value the service delivers
// (null when empty).
Variant TextArray(const std::vector<std::string>& texts);
std::vector<std::string> TextsOf(const Variant& value);

} // namespace norvane::platform::memory
