#include "store/IntegerField.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "store/CsvText.h"

namespace norvane {

void TIntegerField::SetAsString(const std::string& value) {
    if (value.empty()) {
        Clear();
        return;
    }
    const auto number = csv::ParseInteger(csv::Trim(value));
    if (!number)
        throw Exception(Format("'%s' n'est pas une valeur entière correcte", {value}));
    SetAsInteger(*number);
}

} // namespace norvane
