#pragma once

#include "netconfig/platform/Variant.h"

#include <windows.h>

namespace norvane::platform::windows {

// Owns one VARIANT.
struct VariantHolder {
    VARIANT value;
    VariantHolder() { VariantInit(&value); }
    ~VariantHolder() { VariantClear(&value); }
    VariantHolder(const VariantHolder&) = delete;
    VariantHolder& operator=(const VariantHolder&) = delete;
};

// A value as the service or an automation object delivers it. Embedded
// management objects and automation objects keep a reference of their own.
Variant FromVariant(const VARIANT& value);

// The late-bound form: texts as BSTR, whole numbers as VT_I4 (VT_I8 beyond),
// arrays as arrays of variants. The caller clears `out`.
void ToVariant(const Variant& value, VARIANT& out);

// The form a property of the given CIM type accepts (cimType may carry the
// array flag): the service refuses a string array passed as an array of
// variants, and takes 64-bit numbers as decimal text. The caller clears `out`.
void ToCimVariant(const Variant& value, long cimType, VARIANT& out);

} // namespace norvane::platform::windows
