#include "netconfig/WmiParam.h"

#include "netconfig/WmiValueText.h"

namespace norvane {

TWmiParam::TWmiParam(std::string name, TFieldKind dataType, platform::Variant value)
    : name_(std::move(name)), dataType_(dataType) {
    SetValue(std::move(value));
}

void TWmiParam::SetValue(platform::Variant value) {
    value_ = std::move(value);
    isNull_ = value_.isEmptyOrNull();
}

void TWmiParam::SetAsString(const std::string& text) {
    if (dataType_ != TFieldKind::ftFixedWideChar)
        dataType_ = TFieldKind::ftWideString;
    value_ = platform::Variant(text);
    isNull_ = false;
}

std::string TWmiParam::AsString() const {
    return WmiValueText(value_);
}

} // namespace norvane
