#pragma once

#include "netconfig/platform/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace norvane::platform {

// An enumeration of a late-bound collection.
class IVariantEnumerator {
public:
    virtual ~IVariantEnumerator() = default;
    // Takes the next element; false when there are no more.
    virtual bool next(Variant& element) = 0;
};

// An object reached by late binding: members called by name.
class IDispatchObject {
public:
    enum class CallKind { Method, MethodOrPropertyGet };

    virtual ~IDispatchObject() = default;
    // Calls a member with positional arguments. An unknown name raises
    // ServiceError::Kind::UnknownName; an exception of the object raises
    // ServiceError::Kind::ObjectException.
    virtual Variant invoke(const std::string& name, const std::vector<Variant>& args,
                           CallKind kind) = 0;
    // The enumerator of a collection (its _NewEnum member).
    virtual std::unique_ptr<IVariantEnumerator> newEnum() = 0;
};

} // namespace norvane::platform
