#include "netconfig/platform/windows/DispatchObject.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/windows/ComText.h"
#include "netconfig/platform/windows/ComVariant.h"

#include <cstdint>
#include <oleauto.h>

namespace norvane::platform::windows {

namespace {

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

// The arguments in the order IDispatch wants them (last first). Arrays go by
// reference, as scripting callers pass them.
class Arguments {
public:
    explicit Arguments(const std::vector<Variant>& args)
        : values_(args.size()), passed_(args.size()) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            VARIANT& value = values_[args.size() - 1 - i];
            VARIANT& slot = passed_[args.size() - 1 - i];
            ToVariant(args[i], value);
            VariantInit(&slot);
            if (args[i].isArray()) {
                slot.vt = VT_VARIANT | VT_BYREF;
                slot.pvarVal = &value;
            } else {
                slot = value; // a view; `values_` owns the contents
            }
        }
    }
    ~Arguments() {
        for (auto& value : values_)
            VariantClear(&value);
    }
    Arguments(const Arguments&) = delete;
    Arguments& operator=(const Arguments&) = delete;

    DISPPARAMS parameters() {
        return {passed_.data(), nullptr, static_cast<UINT>(passed_.size()), 0};
    }

private:
    std::vector<VARIANT> values_;
    std::vector<VARIANT> passed_;
};

[[noreturn]] void raiseObjectException(EXCEPINFO& exception) {
    if (exception.pfnDeferredFillIn)
        exception.pfnDeferredFillIn(&exception);
    const std::string description = Utf8(exception.bstrDescription);
    const auto code =
        static_cast<std::uint32_t>(exception.scode ? exception.scode : exception.wCode);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    throw ServiceError(ServiceError::Kind::ObjectException, code, description);
}

} // namespace

Variant DispatchObject::invoke(const std::string& name, const std::vector<Variant>& args,
                               CallKind kind) {
    std::wstring wide = Wide(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = 0;
    const HRESULT found = object_->GetIDsOfNames(IID_NULL, names, 1, GetThreadLocale(), &id);
    if (FAILED(found))
        throw ServiceError(ServiceError::Kind::UnknownName, static_cast<std::uint32_t>(found),
                           name);

    Arguments arguments(args);
    DISPPARAMS parameters = arguments.parameters();
    VariantHolder result;
    EXCEPINFO exception{};
    const WORD flags =
        kind == CallKind::Method ? DISPATCH_METHOD : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    const HRESULT hr = object_->Invoke(id, IID_NULL, GetThreadLocale(), flags, &parameters,
                                       &result.value, &exception, nullptr);
    if (hr == DISP_E_EXCEPTION)
        raiseObjectException(exception);
    Check(hr);
    return FromVariant(result.value);
}

std::unique_ptr<IVariantEnumerator> DispatchObject::newEnum() {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VariantHolder result;
    Check(object_->Invoke(DISPID_NEWENUM, IID_NULL, GetThreadLocale(),
                          DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, &result.value, nullptr,
                          nullptr));
    if ((result.value.vt != VT_UNKNOWN && result.value.vt != VT_DISPATCH) || !result.value.punkVal)
        throw ServiceError::failed(static_cast<std::uint32_t>(E_NOINTERFACE));
    auto enumerator =
        ComPtr<IUnknown>::Share(result.value.punkVal).query<IEnumVARIANT>(IID_IEnumVARIANT);
    if (!enumerator)
        throw ServiceError::failed(static_cast<std::uint32_t>(E_NOINTERFACE));
    return std::make_unique<DispatchEnumerator>(std::move(enumerator));
}

} // namespace norvane::platform::windows
