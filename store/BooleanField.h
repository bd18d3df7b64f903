#pragma once

#include "store/Field.h"

namespace norvane {

// A Boolean column. As text it reads as its display texts ("Vrai" / "Faux"
// unless set otherwise), and as the empty text when null.
class TBooleanField : public TField {
public:
    using TField::TField;

    void SetDisplayValues(std::string trueText, std::string falseText);
    const std::string& TrueText() const { return trueText_; }
    const std::string& FalseText() const { return falseText_; }

    std::string AsString() const override;
    // Takes the display texts (letter case ignored), "1", "0" or the empty
    // text; anything else raises "'<text>' n'est pas une valeur booléenne correcte".
    void SetAsString(const std::string& value) override;
    void SetAsInteger(std::int32_t value) override { SetAsBoolean(value != 0); }

private:
    std::string trueText_ = "Vrai";
    std::string falseText_ = "Faux";
};

} // namespace norvane
