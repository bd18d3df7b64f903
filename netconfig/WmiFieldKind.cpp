#include "netconfig/WmiFieldKind.h"

#include "netconfig/WmiException.h"
#include "netconfig/platform/CimType.h"

#include <string>

namespace norvane {

TFieldKind FieldKindOfCimType(int cimType, bool isArray) {
    namespace cim = platform::cim;
    if (isArray)
        return TFieldKind::ftVariant;
    switch (cimType) {
    case cim::Sint8:
    case cim::Sint16:
        return TFieldKind::ftSmallint;
    case cim::Uint8:
    case cim::Uint16:
        return TFieldKind::ftWord;
    case cim::Sint32:
    case cim::Uint32:
        return TFieldKind::ftInteger;
    case cim::Sint64:
    case cim::Uint64:
        return TFieldKind::ftLargeint;
    case cim::Real32:
    case cim::Real64:
        return TFieldKind::ftFloat;
    case cim::Boolean:
        return TFieldKind::ftBoolean;
    case cim::String:
        return TFieldKind::ftWideString;
    case cim::Char16:
        return TFieldKind::ftFixedWideChar;
    case cim::Datetime:
        return TFieldKind::ftDateTime;
    case cim::Reference:
        return TFieldKind::ftVariant;
    case cim::Object:
        return TFieldKind::ftInterface;
    default:
        throw TWmiException("Unsupported CIM data type: " + std::to_string(cimType));
    }
}

} // namespace norvane
