#pragma once

#include "netconfig/platform/IDispatchObject.h"
#include "netconfig/platform/windows/ComPtr.h"

#include <oaidl.h>

namespace norvane::platform::windows {

// Any automation object, members called by name through IDispatch.
class DispatchObject : public IDispatchObject {
public:
    explicit DispatchObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    Variant invoke(const std::string& name, const std::vector<Variant>& args,
                   CallKind kind) override;
    std::unique_ptr<IVariantEnumerator> newEnum() override;

    IDispatch* raw() const { return object_.get(); }

private:
    ComPtr<IDispatch> object_;
};

} // namespace norvane::platform::windows
