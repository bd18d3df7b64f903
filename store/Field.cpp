#include "store/Field.h"

#include "store/CsvText.h"
#include "store/DataSet.h"

namespace norvane {

TField::TField(TDataSet& dataSet, std::string fieldName)
    : dataSet_(dataSet), fieldName_(std::move(fieldName)) {}

std::string TField::AsString() const {
    return Value().value_or(std::string());
}

std::int32_t TField::AsInteger() const {
    const auto value = Value();
    return value ? csv::ParseInteger(*value).value_or(0) : 0;
}

bool TField::AsBoolean() const {
    const auto value = Value();
    return value ? csv::ParseBoolean(*value).value_or(false) : false;
}

void TField::SetAsString(const std::string& value) {
    SetValue(value.empty() ? std::nullopt : std::optional<std::string>(value));
}

void TField::SetAsInteger(std::int32_t value) {
    SetValue(std::to_string(value));
}

void TField::SetAsBoolean(bool value) {
    SetValue(value ? "1" : "0");
}

std::optional<std::string> TField::Value() const {
    return dataSet_.ReadField(*this);
}

void TField::SetValue(const std::optional<std::string>& value) {
    dataSet_.WriteField(*this, value);
}

} // namespace norvane
