#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace norvane::platform {

class IManagementObject;
class IDispatchObject;

// A value crossing the boundary to the management service: what a property,
// a method parameter or a late-bound argument holds. Texts are UTF-8.
class Variant {
public:
    enum class Kind { Empty, Null, Boolean, Integer, Real, Text, Array, Object, Dispatch, Omitted };

    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(int value) : value_(static_cast<std::int64_t>(value)) {}
    Variant(unsigned value) : value_(static_cast<std::int64_t>(value)) {}
    Variant(std::int64_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string text) : value_(std::move(text)) {}
    Variant(const char* text) : value_(std::string(text)) {}
    Variant(std::shared_ptr<IManagementObject> object);
    Variant(std::shared_ptr<IDispatchObject> object);

    static Variant Null();
    // An argument left out of a late-bound call.
    static Variant Omitted();
    static Variant Array(std::vector<Variant> items, int lowBound = 0);

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNull() const { return kind() == Kind::Null; }
    bool isEmptyOrNull() const { return isEmpty() || isNull(); }
    bool isArray() const { return kind() == Kind::Array; }

    bool asBoolean() const;
    std::int64_t asInteger() const;
    double asReal() const;
    const std::string& asText() const;
    const std::vector<Variant>& items() const;
    int lowBound() const;
    std::shared_ptr<IManagementObject> asObject() const;
    std::shared_ptr<IDispatchObject> asDispatch() const;

    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct OmittedTag {
        bool operator==(const OmittedTag&) const = default;
    };
    struct ArrayData;
    using ArrayPtr = std::shared_ptr<const ArrayData>;

    std::variant<std::monostate, NullTag, bool, std::int64_t, double, std::string, ArrayPtr,
                 std::shared_ptr<IManagementObject>, std::shared_ptr<IDispatchObject>, OmittedTag>
        value_;
};

} // namespace norvane::platform
