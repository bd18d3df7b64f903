#include "netconfig/platform/windows/ComVariant.h"

#include "netconfig/platform/CimType.h"
#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/windows/ComText.h"
#include "netconfig/platform/windows/DispatchObject.h"
#include "netconfig/platform/windows/WbemClassObject.h"

#include <climits>
#include <oleauto.h>
#include <string>
#include <vector>
#include <wbemcli.h>

namespace norvane::platform::windows {

namespace {

Variant fromArray(SAFEARRAY* array, VARTYPE elementType) {
    LONG low = 0;
    LONG high = -1;
    SafeArrayGetLBound(array, 1, &low);
    SafeArrayGetUBound(array, 1, &high);
    std::vector<Variant> items;
    for (LONG i = low; i <= high; ++i) {
        VariantHolder item;
        if (elementType == VT_VARIANT) {
            Check(SafeArrayGetElement(array, &i, &item.value));
        } else {
            // The element lands in the VARIANT's data union, which starts at
            // the same place for every element type.
            Check(SafeArrayGetElement(array, &i, &item.value.lVal));
            item.value.vt = elementType;
        }
        items.push_back(FromVariant(item.value));
    }
    return Variant::Array(std::move(items), static_cast<int>(low));
}

Variant fromUnknown(IUnknown* unknown) {
    if (!unknown)
        return Variant::Null();
    auto object = ComPtr<IUnknown>::Share(unknown).query<IWbemClassObject>(IID_IWbemClassObject);
    if (object)
        return Variant(std::shared_ptr<IManagementObject>(
            std::make_shared<WbemClassObject>(std::move(object), ComPtr<IWbemServices>())));
    auto dispatch = ComPtr<IUnknown>::Share(unknown).query<IDispatch>(IID_IDispatch);
    if (dispatch)
        return Variant(std::shared_ptr<IDispatchObject>(
            std::make_shared<DispatchObject>(std::move(dispatch))));
    return Variant::Null();
}

VARTYPE elementTypeOf(long cimType) {
    switch (cimType & ~CIM_FLAG_ARRAY) {
    case cim::Sint8:
    case cim::Sint16:
    case cim::Char16:
        return VT_I2;
    case cim::Uint8:
        return VT_UI1;
    case cim::Uint16:
    case cim::Sint32:
    case cim::Uint32:
        return VT_I4;
    case cim::Real32:
        return VT_R4;
    case cim::Real64:
        return VT_R8;
    case cim::Boolean:
        return VT_BOOL;
    case cim::Object:
        return VT_UNKNOWN;
    default: // strings, 64-bit numbers, dates and references travel as text
        return VT_BSTR;
    }
}

// One value converted to the element type; text for 64-bit numbers keeps
// every digit.
void convert(const Variant& value, VARTYPE type, VARIANT& out) {
    if (value.isEmptyOrNull()) {
        out.vt = VT_NULL;
        return;
    }
    if (type == VT_BSTR && value.kind() == Variant::Kind::Integer) {
        out.vt = VT_BSTR;
        out.bstrVal = SysAllocString(Wide(std::to_string(value.asInteger())).c_str());
        return;
    }
    VariantHolder plain;
    ToVariant(value, plain.value);
    if (type == VT_UNKNOWN && plain.value.vt == VT_DISPATCH) {
        out.vt = VT_UNKNOWN;
        out.punkVal = plain.value.pdispVal;
        plain.value.vt = VT_EMPTY; // the reference moves to `out`
        return;
    }
    Check(VariantChangeType(&out, &plain.value, 0, type));
}

void putElement(SAFEARRAY* array, LONG index, VARIANT& element) {
    switch (element.vt) {
    case VT_BSTR:
        Check(SafeArrayPutElement(array, &index, element.bstrVal));
        break;
    case VT_UNKNOWN:
        Check(SafeArrayPutElement(array, &index, element.punkVal));
        break;
    default:
        Check(SafeArrayPutElement(array, &index, &element.lVal));
        break;
    }
}

} // namespace

Variant FromVariant(const VARIANT& value) {
    const VARIANT* v = &value;
    if (v->vt == (VT_VARIANT | VT_BYREF))
        v = v->pvarVal;
    if ((v->vt & VT_ARRAY) != 0) {
        SAFEARRAY* array = (v->vt & VT_BYREF) ? *v->pparray : v->parray;
        if (!array)
            return Variant::Null();
        return fromArray(array, static_cast<VARTYPE>(v->vt & VT_TYPEMASK));
    }
    switch (v->vt) {
    case VT_EMPTY:
        return {};
    case VT_NULL:
        return Variant::Null();
    case VT_BOOL:
        return Variant(v->boolVal != VARIANT_FALSE);
    case VT_BSTR:
        return Variant(Utf8(v->bstrVal));
    case VT_R4:
        return Variant(static_cast<double>(v->fltVal));
    case VT_R8:
        return Variant(v->dblVal);
    case VT_UNKNOWN:
        return fromUnknown(v->punkVal);
    case VT_DISPATCH:
        return fromUnknown(v->pdispVal);
    default: {
        VariantHolder number;
        if (SUCCEEDED(VariantChangeType(&number.value, const_cast<VARIANT*>(v), 0, VT_I8)))
            return Variant(static_cast<std::int64_t>(number.value.llVal));
        return Variant::Null();
    }
    }
}

void ToVariant(const Variant& value, VARIANT& out) {
    VariantInit(&out);
    switch (value.kind()) {
    case Variant::Kind::Null:
        out.vt = VT_NULL;
        break;
    case Variant::Kind::Boolean:
        out.vt = VT_BOOL;
        out.boolVal = value.asBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case Variant::Kind::Integer:
        if (value.asInteger() >= INT_MIN && value.asInteger() <= INT_MAX) {
            out.vt = VT_I4;
            out.lVal = static_cast<LONG>(value.asInteger());
        } else {
            out.vt = VT_I8;
            out.llVal = value.asInteger();
        }
        break;
    case Variant::Kind::Real:
        out.vt = VT_R8;
        out.dblVal = value.asReal();
        break;
    case Variant::Kind::Text:
        out.vt = VT_BSTR;
        out.bstrVal = SysAllocString(Wide(value.asText()).c_str());
        break;
    case Variant::Kind::Array: {
        const auto& items = value.items();
        SAFEARRAYBOUND bound{static_cast<ULONG>(items.size()), value.lowBound()};
        SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 1, &bound);
        if (!array)
            throw ServiceError::failed(static_cast<std::uint32_t>(E_OUTOFMEMORY));
        out.vt = VT_ARRAY | VT_VARIANT;
        out.parray = array;
        for (std::size_t i = 0; i < items.size(); ++i) {
            VariantHolder item;
            ToVariant(items[i], item.value);
            LONG index = value.lowBound() + static_cast<LONG>(i);
            Check(SafeArrayPutElement(array, &index, &item.value));
        }
        break;
    }
    case Variant::Kind::Object:
        if (auto* object = dynamic_cast<WbemClassObject*>(value.asObject().get())) {
            out.vt = VT_UNKNOWN;
            out.punkVal = object->raw();
            out.punkVal->AddRef();
        }
        break;
    case Variant::Kind::Dispatch:
        if (auto* object = dynamic_cast<DispatchObject*>(value.asDispatch().get())) {
            out.vt = VT_DISPATCH;
            out.pdispVal = object->raw();
            out.pdispVal->AddRef();
        }
        break;
    case Variant::Kind::Omitted:
        out.vt = VT_ERROR;
        out.scode = DISP_E_PARAMNOTFOUND;
        break;
    case Variant::Kind::Empty:
        break;
    }
}

void ToCimVariant(const Variant& value, long cimType, VARIANT& out) {
    VariantInit(&out);
    const VARTYPE type = elementTypeOf(cimType);
    if ((cimType & CIM_FLAG_ARRAY) == 0 || value.isEmptyOrNull()) {
        if (value.isArray())
            throw ServiceError::failed(hresult::WbemTypeMismatch);
        convert(value, type, out);
        return;
    }
    const std::vector<Variant> single{value};
    const auto& items = value.isArray() ? value.items() : single;
    const LONG low = value.isArray() ? value.lowBound() : 0;
    SAFEARRAYBOUND bound{static_cast<ULONG>(items.size()), low};
    SAFEARRAY* array = SafeArrayCreate(type, 1, &bound);
    if (!array)
        throw ServiceError::failed(static_cast<std::uint32_t>(E_OUTOFMEMORY));
    out.vt = static_cast<VARTYPE>(VT_ARRAY | type);
    out.parray = array;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].isEmptyOrNull())
            continue; // the array starts out with null texts and zeros
        VariantHolder element;
        convert(items[i], type, element.value);
        putElement(array, low + static_cast<LONG>(i), element.value);
    }
}

} // namespace norvane::platform::windows
