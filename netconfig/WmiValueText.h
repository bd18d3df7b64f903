#pragma once

#include "netconfig/WmiFieldKind.h"
#include "netconfig/platform/Variant.h"

#include <string>

namespace norvane {

// The text form of a value, as a field's text shows it and Locate compares
// it: empty for null, decimal digits for integers, "{a, b}" for arrays, the
// service's rendering for an embedded object ("IDispatch" for any other
// object).
std::string WmiValueText(const platform::Variant& value);

// A property value as a field of this kind holds it: 64-bit integers come
// from the service as decimal text and become numbers.
platform::Variant WmiFieldValue(TFieldKind kind, const platform::Variant& value);

} // namespace norvane
