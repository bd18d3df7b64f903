#include "netconfig/WmiField.h"

#include "netconfig/WmiDataSet.h"
#include "netconfig/WmiValueText.h"

namespace norvane {

TWmiField::TWmiField(TWmiDataSet& dataSet, std::string fieldName, int fieldNo, TFieldKind dataType,
                     int size)
    : dataSet_(dataSet), fieldName_(std::move(fieldName)), fieldNo_(fieldNo), dataType_(dataType),
      size_(size) {}

platform::Variant TWmiField::Value() const {
    return dataSet_.CurrentValue(*this);
}

bool TWmiField::IsNull() const {
    return Value().isEmptyOrNull();
}

std::string TWmiField::AsString() const {
    return WmiValueText(Value());
}

std::int64_t TWmiField::AsInteger() const {
    return Value().asInteger();
}

bool TWmiField::AsBoolean() const {
    return Value().asBoolean();
}

} // namespace norvane
