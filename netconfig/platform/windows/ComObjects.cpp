#include "netconfig/platform/windows/ComObjects.h"

#include "netconfig/platform/ServiceError.h"

#include <oleauto.h>
#include <vector>

namespace norvane::platform::windows {

namespace {

constexpr long UseAmendedQualifiers = 0x20000; // wbemFlagUseAmendedQualifiers

class Bstr {
public:
    explicit Bstr(const std::string& text) : value_(SysAllocString(Wide(text).c_str())) {}
    Bstr() = default;
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return value_; }
    BSTR* put() { return &value_; }
    std::string text() const { return value_ ? Utf8(value_, SysStringLen(value_)) : std::string(); }

private:
    BSTR value_ = nullptr;
};

struct VariantHolder {
    VARIANT value;
    VariantHolder() { VariantInit(&value); }
    ~VariantHolder() { VariantClear(&value); }
    VariantHolder(const VariantHolder&) = delete;
    VariantHolder& operator=(const VariantHolder&) = delete;
};

// Walks a collection's _NewEnum, handing each element on.
template <typename Collection, typename Visit> void forEach(Collection* collection, Visit visit) {
    ComPtr<IUnknown> unknown;
    Check(collection->get__NewEnum(unknown.put()));
    auto enumerator = unknown.template query<IEnumVARIANT>(IID_IEnumVARIANT);
    if (!enumerator)
        throw ServiceError::failed(E_NOINTERFACE);
    for (;;) {
        VariantHolder element;
        ULONG fetched = 0;
        if (enumerator->Next(1, &element.value, &fetched) != S_OK || fetched == 0)
            break;
        if (element.value.vt == VT_DISPATCH && element.value.pdispVal)
            visit(element.value.pdispVal);
    }
}

std::vector<Qualifier> qualifiersOf(ISWbemQualifierSet* set) {
    std::vector<Qualifier> result;
    forEach(set, [&](IDispatch* item) {
        ComPtr<ISWbemQualifier> qualifier;
        Check(item->QueryInterface(IID_ISWbemQualifier, reinterpret_cast<void**>(qualifier.put())));
        Bstr name;
        VariantHolder value;
        Check(qualifier->get_Name(name.put()));
        Check(qualifier->get_Value(&value.value));
        result.push_back({name.text(), FromVariant(value.value)});
    });
    return result;
}

std::shared_ptr<IManagementObject> wrap(ISWbemObject* object) {
    if (!object)
        return nullptr;
    return std::make_shared<WbemObject>(ComPtr<ISWbemObject>(object));
}

class WbemEnumerator : public IObjectEnumerator {
public:
    explicit WbemEnumerator(ComPtr<IEnumVARIANT> enumerator) : enumerator_(std::move(enumerator)) {}

    std::shared_ptr<IManagementObject> next() override {
        VariantHolder element;
        ULONG fetched = 0;
        const HRESULT hr = enumerator_->Next(1, &element.value, &fetched);
        Check(hr);
        if (hr != S_OK || fetched == 0 || element.value.vt != VT_DISPATCH)
            return nullptr;
        ComPtr<ISWbemObject> object;
        Check(element.value.pdispVal->QueryInterface(IID_ISWbemObject,
                                                     reinterpret_cast<void**>(object.put())));
        return std::make_shared<WbemObject>(std::move(object));
    }

private:
    ComPtr<IEnumVARIANT> enumerator_;
};

class DispatchEnumerator : public IVariantEnumerator {
public:
    explicit DispatchEnumerator(ComPtr<IEnumVARIANT> enumerator)
        : enumerator_(std::move(enumerator)) {}

    bool next(Variant& element) override {
        VariantHolder item;
        ULONG fetched = 0;
        const HRESULT hr = enumerator_->Next(1, &item.value, &fetched);
        Check(hr);
        if (hr != S_OK || fetched == 0)
            return false;
        element = FromVariant(item.value);
        return true;
    }

private:
    ComPtr<IEnumVARIANT> enumerator_;
};

} // namespace

void Check(HRESULT hr) {
    if (FAILED(hr))
        throw ServiceError::failed(static_cast<std::uint32_t>(hr));
}

std::wstring Wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        size);
    return result;
}

std::string Utf8(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    if (length < 0 && !result.empty())
        result.pop_back(); // the terminating zero
    return result;
}

Variant FromVariant(const VARIANT& value) {
    const VARIANT* v = &value;
    if (v->vt == (VT_VARIANT | VT_BYREF))
        v = v->pvarVal;
    if ((v->vt & VT_ARRAY) != 0) {
        SAFEARRAY* array = (v->vt & VT_BYREF) ? *v->pparray : v->parray;
        LONG low = 0, high = -1;
        SafeArrayGetLBound(array, 1, &low);
        SafeArrayGetUBound(array, 1, &high);
        std::vector<Variant> items;
        for (LONG i = low; i <= high; ++i) {
            VariantHolder item;
            if ((v->vt & VT_TYPEMASK) == VT_VARIANT) {
                SafeArrayGetElement(array, &i, &item.value);
            } else {
                item.value.vt = static_cast<VARTYPE>(v->vt & VT_TYPEMASK);
                SafeArrayGetElement(array, &i, &item.value.byref);
            }
            items.push_back(FromVariant(item.value));
        }
        return Variant::Array(std::move(items), low);
    }
    switch (v->vt) {
    case VT_EMPTY:
        return {};
    case VT_NULL:
        return Variant::Null();
    case VT_BOOL:
        return Variant(v->boolVal != VARIANT_FALSE);
    case VT_BSTR:
        return Variant(v->bstrVal ? Utf8(v->bstrVal, SysStringLen(v->bstrVal)) : std::string());
    case VT_R4:
        return Variant(static_cast<double>(v->fltVal));
    case VT_R8:
        return Variant(v->dblVal);
    case VT_DISPATCH: {
        if (!v->pdispVal)
            return Variant::Null();
        ComPtr<ISWbemObject> object;
        if (SUCCEEDED(v->pdispVal->QueryInterface(IID_ISWbemObject,
                                                  reinterpret_cast<void**>(object.put()))))
            return Variant(std::shared_ptr<IManagementObject>(
                std::make_shared<WbemObject>(std::move(object))));
        v->pdispVal->AddRef();
        return Variant(std::shared_ptr<IDispatchObject>(
            std::make_shared<DispatchObject>(ComPtr<IDispatch>(v->pdispVal))));
    }
    default: {
        VariantHolder number;
        if (SUCCEEDED(VariantChangeType(&number.value, v, 0, VT_I8)))
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
        if (value.asInteger() >= INT32_MIN && value.asInteger() <= INT32_MAX) {
            out.vt = VT_I4;
            out.lVal = static_cast<LONG>(value.asInteger());
        } else { // the service takes 64-bit values as decimal text
            out.vt = VT_BSTR;
            out.bstrVal = SysAllocString(Wide(std::to_string(value.asInteger())).c_str());
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
        for (std::size_t i = 0; i < items.size(); ++i) {
            VariantHolder item;
            ToVariant(items[i], item.value);
            LONG index = value.lowBound() + static_cast<LONG>(i);
            SafeArrayPutElement(array, &index, &item.value);
        }
        out.vt = VT_ARRAY | VT_VARIANT;
        out.parray = array;
        break;
    }
    case Variant::Kind::Object:
        if (auto* object = dynamic_cast<WbemObject*>(value.asObject().get())) {
            out.vt = VT_DISPATCH;
            out.pdispVal = object->raw();
            out.pdispVal->AddRef();
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
    default:
        break;
    }
}

std::string WbemObject::className() const {
    ComPtr<ISWbemObjectPath> path;
    Check(object_->get_Path_(path.put()));
    Bstr name;
    Check(path->get_Class(name.put()));
    return name.text();
}

std::vector<PropertyInfo> WbemObject::properties() const {
    ComPtr<ISWbemPropertySet> set;
    Check(object_->get_Properties_(set.put()));
    std::vector<PropertyInfo> result;
    forEach(set.get(), [&](IDispatch* item) {
        ComPtr<ISWbemProperty> property;
        Check(item->QueryInterface(IID_ISWbemProperty, reinterpret_cast<void**>(property.put())));
        Bstr name;
        WbemCimtypeEnum cimType{};
        VARIANT_BOOL isArray = VARIANT_FALSE;
        ComPtr<ISWbemQualifierSet> qualifiers;
        Check(property->get_Name(name.put()));
        Check(property->get_CIMType(&cimType));
        Check(property->get_IsArray(&isArray));
        Check(property->get_Qualifiers_(qualifiers.put()));
        result.push_back({name.text(), static_cast<int>(cimType), isArray != VARIANT_FALSE,
                          qualifiersOf(qualifiers.get())});
    });
    return result;
}

Variant WbemObject::get(const std::string& name) const {
    ComPtr<ISWbemPropertySet> set;
    ComPtr<ISWbemProperty> property;
    Check(object_->get_Properties_(set.put()));
    Check(set->Item(Bstr(name).get(), 0, property.put()));
    VariantHolder value;
    Check(property->get_Value(&value.value));
    return FromVariant(value.value);
}

void WbemObject::put(const std::string& name, const Variant& value) {
    ComPtr<ISWbemPropertySet> set;
    ComPtr<ISWbemProperty> property;
    Check(object_->get_Properties_(set.put()));
    Check(set->Item(Bstr(name).get(), 0, property.put()));
    VariantHolder converted;
    ToVariant(value, converted.value);
    Check(property->put_Value(&converted.value));
}

std::vector<MethodInfo> WbemObject::methods() const {
    ComPtr<ISWbemMethodSet> set;
    Check(object_->get_Methods_(set.put()));
    std::vector<MethodInfo> result;
    forEach(set.get(), [&](IDispatch* item) {
        ComPtr<ISWbemMethod> method;
        Check(item->QueryInterface(IID_ISWbemMethod, reinterpret_cast<void**>(method.put())));
        Bstr name;
        ISWbemObject* in = nullptr;
        ISWbemObject* out = nullptr;
        ComPtr<ISWbemQualifierSet> qualifiers;
        Check(method->get_Name(name.put()));
        Check(method->get_InParameters(&in));
        Check(method->get_OutParameters(&out));
        Check(method->get_Qualifiers_(qualifiers.put()));
        result.push_back({name.text(), wrap(in), wrap(out), qualifiersOf(qualifiers.get())});
    });
    return result;
}

std::shared_ptr<IManagementObject> WbemObject::spawnInstance() const {
    ISWbemObject* instance = nullptr;
    Check(object_->SpawnInstance_(0, &instance));
    return wrap(instance);
}

std::shared_ptr<IManagementObject>
WbemObject::execMethod(const std::string& method,
                       const std::shared_ptr<IManagementObject>& inParameters) {
    auto* in = dynamic_cast<WbemObject*>(inParameters.get());
    ISWbemObject* out = nullptr;
    Check(object_->ExecMethod_(Bstr(method).get(), in ? in->raw() : nullptr, 0, nullptr, &out));
    return wrap(out);
}

void WbemObject::addPrivilege(int number, bool enabled) {
    ComPtr<ISWbemSecurity> security;
    ComPtr<ISWbemPrivilegeSet> privileges;
    ComPtr<ISWbemPrivilege> privilege;
    Check(object_->get_Security_(security.put()));
    Check(security->get_Privileges(privileges.put()));
    Check(privileges->Add(static_cast<WbemPrivilegeEnum>(number),
                          enabled ? VARIANT_TRUE : VARIANT_FALSE, privilege.put()));
}

std::string WbemObject::objectText() const {
    Bstr text;
    Check(object_->GetObjectText_(0, text.put()));
    return text.text();
}

std::unique_ptr<IObjectEnumerator> WbemServices::execQuery(const std::string& query,
                                                           const std::string& language, int flags) {
    ComPtr<ISWbemObjectSet> set;
    Check(services_->ExecQuery(Bstr(query).get(), Bstr(language).get(), flags, nullptr, set.put()));
    ComPtr<IUnknown> unknown;
    Check(set->get__NewEnum(unknown.put()));
    auto enumerator = unknown.query<IEnumVARIANT>(IID_IEnumVARIANT);
    if (!enumerator)
        throw ServiceError::failed(static_cast<std::uint32_t>(E_NOINTERFACE));
    return std::make_unique<WbemEnumerator>(std::move(enumerator));
}

std::shared_ptr<IManagementObject> WbemServices::getClass(const std::string& className,
                                                          bool amended) {
    ISWbemObject* object = nullptr;
    Check(services_->Get(Bstr(className).get(), amended ? UseAmendedQualifiers : 0, nullptr,
                         &object));
    return wrap(object);
}

void WbemServices::setImpersonationLevel(int level) {
    ComPtr<ISWbemSecurity> security;
    Check(services_->get_Security_(security.put()));
    Check(security->put_ImpersonationLevel(static_cast<WbemImpersonationLevelEnum>(level)));
}

Variant DispatchObject::invoke(const std::string& name, const std::vector<Variant>& args,
                               CallKind kind) {
    std::wstring wide = Wide(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = 0;
    const HRESULT found = object_->GetIDsOfNames(IID_NULL, names, 1, GetThreadLocale(), &id);
    if (FAILED(found))
        throw ServiceError(ServiceError::Kind::UnknownName, static_cast<std::uint32_t>(found),
                           name);

    // Arguments go in reverse order; arrays are passed by reference.
    std::vector<VARIANT> values(args.size());
    std::vector<VARIANT> passed(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        VARIANT& value = values[args.size() - 1 - i];
        VARIANT& slot = passed[args.size() - 1 - i];
        ToVariant(args[i], value);
        VariantInit(&slot);
        if (args[i].isArray()) {
            slot.vt = VT_VARIANT | VT_BYREF;
            slot.pvarVal = &value;
        } else {
            slot = value;
        }
    }
    DISPPARAMS parameters{passed.data(), nullptr, static_cast<UINT>(passed.size()), 0};
    VariantHolder result;
    EXCEPINFO exception{};
    const WORD flags =
        kind == CallKind::Method ? DISPATCH_METHOD : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    const HRESULT hr = object_->Invoke(id, IID_NULL, GetThreadLocale(), flags, &parameters,
                                       &result.value, &exception, nullptr);
    for (auto& value : values)
        VariantClear(&value);
    if (hr == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn)
            exception.pfnDeferredFillIn(&exception);
        const std::string description =
            exception.bstrDescription ? Utf8(exception.bstrDescription) : std::string();
        const auto code =
            static_cast<std::uint32_t>(exception.scode ? exception.scode : exception.wCode);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        throw ServiceError(ServiceError::Kind::ObjectException, code, description);
    }
    Check(hr);
    return FromVariant(result.value);
}

std::unique_ptr<IVariantEnumerator> DispatchObject::newEnum() {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VariantHolder result;
    Check(object_->Invoke(DISPID_NEWENUM, IID_NULL, GetThreadLocale(),
                          DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, &result.value, nullptr,
                          nullptr));
    if (result.value.vt != VT_UNKNOWN && result.value.vt != VT_DISPATCH)
        throw ServiceError::failed(static_cast<std::uint32_t>(E_NOINTERFACE));
    ComPtr<IEnumVARIANT> enumerator;
    Check(result.value.punkVal->QueryInterface(IID_IEnumVARIANT,
                                               reinterpret_cast<void**>(enumerator.put())));
    return std::make_unique<DispatchEnumerator>(std::move(enumerator));
}

} // namespace norvane::platform::windows
