#include "netconfig/platform/windows/WindowsManagementService.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/windows/ComObjects.h"

#include <objbase.h>

namespace norvane::platform::windows {

namespace {

BSTR bstr(const std::string& text) {
    return text.empty() ? nullptr : SysAllocString(Wide(text).c_str());
}

// A named-value set made from the connection's options; null without any.
ComPtr<ISWbemNamedValueSet> contextOf(const ConnectRequest& request) {
    ComPtr<ISWbemNamedValueSet> context;
    if (request.options.empty())
        return context;
    Check(CoCreateInstance(CLSID_SWbemNamedValueSet, nullptr, CLSCTX_INPROC_SERVER,
                           IID_ISWbemNamedValueSet, reinterpret_cast<void**>(context.put())));
    for (const auto& [name, value] : request.options) {
        VARIANT text;
        VariantInit(&text);
        text.vt = VT_BSTR;
        text.bstrVal = SysAllocString(Wide(value).c_str());
        ISWbemNamedValue* added = nullptr;
        BSTR wideName = SysAllocString(Wide(name).c_str());
        const HRESULT hr = context->Add(wideName, &text, 0, &added);
        SysFreeString(wideName);
        VariantClear(&text);
        if (added)
            added->Release();
        Check(hr);
    }
    return context;
}

} // namespace

void WindowsManagementService::initializeThread() {
    // Apartment-threaded; S_FALSE (already initialised) is fine.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    thread_local bool securitySet = false;
    if (securitySet)
        return;
    securitySet = true;
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

std::shared_ptr<IServices> WindowsManagementService::connectServer(const ConnectRequest& request) {
    initializeThread();
    ComPtr<ISWbemLocator> locator;
    Check(CoCreateInstance(CLSID_SWbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_ISWbemLocator,
                           reinterpret_cast<void**>(locator.put())));
    const auto context = contextOf(request);
    BSTR texts[] = {bstr(request.machineName), bstr(request.nameSpace), bstr(request.userName),
                    bstr(request.password),    bstr(request.locale),    bstr(request.authority)};
    ComPtr<ISWbemServices> services;
    const HRESULT hr = locator->ConnectServer(texts[0], texts[1], texts[2], texts[3], texts[4],
                                              texts[5], 0, context.get(), services.put());
    for (BSTR text : texts)
        SysFreeString(text);
    Check(hr);
    return std::make_shared<WbemServices>(std::move(services));
}

std::shared_ptr<IDispatchObject>
WindowsManagementService::bindMoniker(const std::string& displayName) {
    initializeThread();
    ComPtr<IBindCtx> context;
    Check(CreateBindCtx(0, context.put()));
    ComPtr<IMoniker> moniker;
    ULONG eaten = 0;
    const std::wstring wide = Wide(displayName);
    Check(MkParseDisplayNameEx(context.get(), wide.c_str(), &eaten, moniker.put()));
    ComPtr<IUnknown> object;
    Check(moniker->BindToObject(context.get(), nullptr, IID_IUnknown,
                                reinterpret_cast<void**>(object.put())));
    auto dispatch = object.query<IDispatch>(IID_IDispatch);
    if (!dispatch)
        throw ServiceError::failed(static_cast<std::uint32_t>(E_NOINTERFACE));
    return std::make_shared<DispatchObject>(std::move(dispatch));
}

} // namespace norvane::platform::windows
