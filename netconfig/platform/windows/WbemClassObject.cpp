#include "netconfig/platform/windows/WbemClassObject.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/windows/ComText.h"
#include "netconfig/platform/windows/ComVariant.h"

#include <oleauto.h>

namespace norvane::platform::windows {

namespace {

constexpr long ClassGenus = 1; // __GENUS of a class definition

// Qualifier sets that cannot be walked (Wine's) still answer by name: ask for
// the qualifiers the program reads.
std::vector<Qualifier> knownQualifiersOf(IWbemQualifierSet* set) {
    std::vector<Qualifier> result;
    for (const wchar_t* name : {L"key", L"ReadOnly", L"Privileges"}) {
        VariantHolder value;
        const HRESULT hr = set->Get(name, 0, &value.value, nullptr);
        if (hr == static_cast<HRESULT>(WBEM_E_NOT_FOUND))
            continue;
        Check(hr);
        result.push_back({Utf8(name), FromVariant(value.value)});
    }
    return result;
}

std::vector<Qualifier> qualifiersOf(IWbemQualifierSet* set) {
    const HRESULT begun = set->BeginEnumeration(0);
    if (begun == E_NOTIMPL)
        return knownQualifiersOf(set);
    Check(begun);
    std::vector<Qualifier> result;
    for (;;) {
        Bstr name;
        VariantHolder value;
        const HRESULT hr = set->Next(0, name.put(), &value.value, nullptr);
        if (hr == WBEM_S_NO_MORE_DATA)
            break;
        Check(hr);
        result.push_back({name.text(), FromVariant(value.value)});
    }
    set->EndEnumeration();
    return result;
}

// Ends an enumeration of the object's properties or methods on every way out.
template <typename End> class EnumerationScope {
public:
    explicit EnumerationScope(End end) : end_(end) {}
    ~EnumerationScope() { end_(); }
    EnumerationScope(const EnumerationScope&) = delete;
    EnumerationScope& operator=(const EnumerationScope&) = delete;

private:
    End end_;
};

} // namespace

std::shared_ptr<IManagementObject> WbemClassObject::wrap(IWbemClassObject* object) const {
    if (!object)
        return nullptr;
    return std::make_shared<WbemClassObject>(ComPtr<IWbemClassObject>(object), services_);
}

std::string WbemClassObject::textOf(const wchar_t* systemProperty) const {
    VariantHolder value;
    Check(object_->Get(systemProperty, 0, &value.value, nullptr, nullptr));
    return value.value.vt == VT_BSTR ? Utf8(value.value.bstrVal) : std::string();
}

std::string WbemClassObject::className() const {
    return textOf(L"__CLASS");
}

std::vector<PropertyInfo> WbemClassObject::properties() const {
    std::vector<PropertyInfo> result;
    Check(object_->BeginEnumeration(WBEM_FLAG_NONSYSTEM_ONLY));
    const EnumerationScope end([this] { object_->EndEnumeration(); });
    for (;;) {
        Bstr name;
        CIMTYPE type = 0;
        const HRESULT hr = object_->Next(0, name.put(), nullptr, &type, nullptr);
        if (hr == WBEM_S_NO_MORE_DATA)
            break;
        Check(hr);
        ComPtr<IWbemQualifierSet> qualifiers;
        Check(object_->GetPropertyQualifierSet(name.get(), qualifiers.put()));
        result.push_back({name.text(), static_cast<int>(type & ~CIM_FLAG_ARRAY),
                          (type & CIM_FLAG_ARRAY) != 0, qualifiersOf(qualifiers.get())});
    }
    return result;
}

Variant WbemClassObject::get(const std::string& name) const {
    VariantHolder value;
    Check(object_->Get(Wide(name).c_str(), 0, &value.value, nullptr, nullptr));
    return FromVariant(value.value);
}

void WbemClassObject::put(const std::string& name, const Variant& value) {
    const std::wstring wide = Wide(name);
    CIMTYPE type = 0;
    Check(object_->Get(wide.c_str(), 0, nullptr, &type, nullptr));
    VariantHolder converted;
    ToCimVariant(value, type, converted.value);
    Check(object_->Put(wide.c_str(), 0, &converted.value, 0));
}

ComPtr<IWbemClassObject> WbemClassObject::definition() const {
    VariantHolder genus;
    Check(object_->Get(L"__GENUS", 0, &genus.value, nullptr, nullptr));
    if (genus.value.vt == VT_I4 && genus.value.lVal == ClassGenus)
        return object_;
    if (!services_)
        throw ServiceError::failed(hresult::WbemNotSupported);
    ComPtr<IWbemClassObject> definition;
    Check(services_->GetObject(Bstr(className()).get(), 0, nullptr, definition.put(), nullptr));
    return definition;
}

std::vector<MethodInfo> WbemClassObject::methods() const {
    const ComPtr<IWbemClassObject> owner = definition();
    std::vector<MethodInfo> result;
    Check(owner->BeginMethodEnumeration(0));
    const EnumerationScope end([&owner] { owner->EndMethodEnumeration(); });
    for (;;) {
        Bstr name;
        IWbemClassObject* in = nullptr;
        IWbemClassObject* out = nullptr;
        const HRESULT hr = owner->NextMethod(0, name.put(), &in, &out);
        if (hr == WBEM_S_NO_MORE_DATA)
            break;
        Check(hr);
        MethodInfo method{name.text(), wrap(in), wrap(out), {}};
        ComPtr<IWbemQualifierSet> qualifiers;
        Check(owner->GetMethodQualifierSet(name.get(), qualifiers.put()));
        method.qualifiers = qualifiersOf(qualifiers.get());
        result.push_back(std::move(method));
    }
    return result;
}

std::shared_ptr<IManagementObject> WbemClassObject::spawnInstance() const {
    IWbemClassObject* instance = nullptr;
    Check(object_->SpawnInstance(0, &instance));
    return wrap(instance);
}

std::shared_ptr<IManagementObject>
WbemClassObject::execMethod(const std::string& method,
                            const std::shared_ptr<IManagementObject>& inParameters) {
    if (!services_)
        throw ServiceError::failed(hresult::WbemNotSupported);
    // An instance runs its method through its path; a class runs a static one.
    std::string path = textOf(L"__RELPATH");
    if (path.empty())
        path = className();
    auto* in = dynamic_cast<WbemClassObject*>(inParameters.get());
    AdjustPrivileges(privileges_);
    IWbemClassObject* out = nullptr;
    Check(services_->ExecMethod(Bstr(path).get(), Bstr(method).get(), 0, nullptr,
                                in ? in->raw() : nullptr, &out, nullptr));
    return wrap(out);
}

void WbemClassObject::addPrivilege(int number, bool enabled) {
    if (!PrivilegeName(number))
        throw ServiceError::failed(hresult::WbemInvalidParameter);
    for (auto& privilege : privileges_) {
        if (privilege.number == number) {
            privilege.enabled = enabled;
            return;
        }
    }
    privileges_.push_back({number, enabled});
}

std::string WbemClassObject::objectText() const {
    Bstr text;
    Check(object_->GetObjectText(0, text.put()));
    return text.text();
}

} // namespace norvane::platform::windows
