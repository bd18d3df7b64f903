#pragma once

namespace norvane {

// The kind of a data-set field or a method parameter.
enum class TFieldKind {
    ftUnknown,
    ftSmallint, // 16-bit signed
    ftWord,     // 16-bit unsigned
    ftInteger,  // 32-bit signed
    ftLargeint, // 64-bit
    ftFloat,
    ftBoolean,
    ftWideString,    // text of any length
    ftFixedWideChar, // text of a fixed size
    ftDateTime,
    ftVariant,   // arrays and references
    ftInterface, // embedded objects
};

// The kind a property of this CIM type gets; an array of any type is a
// variant. Raises TWmiException "Unsupported CIM data type: N" otherwise.
TFieldKind FieldKindOfCimType(int cimType, bool isArray);

} // namespace norvane
