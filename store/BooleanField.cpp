#include "store/BooleanField.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "store/CsvColumns.h"

namespace norvane {

void TBooleanField::SetDisplayValues(std::string trueText, std::string falseText) {
    trueText_ = std::move(trueText);
    falseText_ = std::move(falseText);
}

std::string TBooleanField::AsString() const {
    if (IsNull())
        return {};
    return AsBoolean() ? trueText_ : falseText_;
}

void TBooleanField::SetAsString(const std::string& value) {
    if (value.empty())
        Clear();
    else if (SameName(value, trueText_) || value == "1")
        SetAsBoolean(true);
    else if (SameName(value, falseText_) || value == "0")
        SetAsBoolean(false);
    else
        throw Exception(Format("'%s' n'est pas une valeur booléenne correcte", {value}));
}

} // namespace norvane
