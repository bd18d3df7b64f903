#include "netconfig/platform/Variant.h"

#include "netconfig/platform/IDispatchObject.h"
#include "netconfig/platform/IManagementObject.h"

namespace norvane::platform {

struct Variant::ArrayData {
    std::vector<Variant> items;
    int lowBound = 0;
};

namespace {
const std::string emptyText;
const std::vector<Variant> noItems;
} // namespace

Variant::Variant(std::shared_ptr<IManagementObject> object) : value_(std::move(object)) {}
Variant::Variant(std::shared_ptr<IDispatchObject> object) : value_(std::move(object)) {}

Variant Variant::Null() {
    Variant v;
    v.value_ = NullTag{};
    return v;
}

Variant Variant::Omitted() {
    Variant v;
    v.value_ = OmittedTag{};
    return v;
}

Variant Variant::Array(std::vector<Variant> items, int lowBound) {
    Variant v;
    v.value_ = std::make_shared<const ArrayData>(ArrayData{std::move(items), lowBound});
    return v;
}

Variant::Kind Variant::kind() const {
    static constexpr Kind kinds[] = {Kind::Empty,    Kind::Null,   Kind::Boolean, Kind::Integer,
                                     Kind::Real,     Kind::Text,   Kind::Array,   Kind::Object,
                                     Kind::Dispatch, Kind::Omitted};
    return kinds[value_.index()];
}

bool Variant::asBoolean() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(value_);
    case Kind::Integer:
        return std::get<std::int64_t>(value_) != 0;
    case Kind::Text:
        return asText() == "true" || asText() == "True" || asText() == "TRUE";
    default:
        return false;
    }
}

std::int64_t Variant::asInteger() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(value_) ? 1 : 0;
    case Kind::Integer:
        return std::get<std::int64_t>(value_);
    case Kind::Real:
        return static_cast<std::int64_t>(std::get<double>(value_));
    case Kind::Text:
        try {
            return std::stoll(asText());
        } catch (const std::exception&) {
            return 0;
        }
    default:
        return 0;
    }
}

double Variant::asReal() const {
    switch (kind()) {
    case Kind::Real:
        return std::get<double>(value_);
    case Kind::Integer:
        return static_cast<double>(std::get<std::int64_t>(value_));
    default:
        return 0.0;
    }
}

const std::string& Variant::asText() const {
    if (const auto* text = std::get_if<std::string>(&value_))
        return *text;
    return emptyText;
}

const std::vector<Variant>& Variant::items() const {
    if (const auto* array = std::get_if<ArrayPtr>(&value_))
        return (*array)->items;
    return noItems;
}

int Variant::lowBound() const {
    if (const auto* array = std::get_if<ArrayPtr>(&value_))
        return (*array)->lowBound;
    return 0;
}

std::shared_ptr<IManagementObject> Variant::asObject() const {
    if (const auto* object = std::get_if<std::shared_ptr<IManagementObject>>(&value_))
        return *object;
    return nullptr;
}

std::shared_ptr<IDispatchObject> Variant::asDispatch() const {
    if (const auto* object = std::get_if<std::shared_ptr<IDispatchObject>>(&value_))
        return *object;
    return nullptr;
}

bool Variant::operator==(const Variant& other) const {
    if (isArray() && other.isArray())
        return lowBound() == other.lowBound() && items() == other.items();
    return value_ == other.value_;
}

} // namespace norvane::platform
