#pragma once

#include "store/Field.h"

namespace norvane {

// A 32-bit signed integer column; null reads as 0 and as the empty text.
class TIntegerField : public TField {
public:
    using TField::TField;

    // The empty text clears the field; anything but a whole number raises
    // "'<text>' n'est pas une valeur entière correcte".
    void SetAsString(const std::string& value) override;
};

} // namespace norvane
