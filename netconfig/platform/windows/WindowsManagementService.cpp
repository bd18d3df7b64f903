#include "netconfig/platform/windows/WindowsManagementService.h"

#include "netconfig/platform/ServiceError.h"
#include "netconfig/platform/windows/ComPtr.h"
#include "netconfig/platform/windows/ComSecurity.h"
#include "netconfig/platform/windows/ComText.h"
#include "netconfig/platform/windows/ComVariant.h"
#include "netconfig/platform/windows/DispatchObject.h"
#include "netconfig/platform/windows/WbemServices.h"

#include <objbase.h>
#include <urlmon.h>
#include <wbemcli.h>

namespace norvane::platform::windows {

namespace {

// A context made from the connection's options; null without any.
ComPtr<IWbemContext> contextOf(const ConnectRequest& request) {
    ComPtr<IWbemContext> context;
    if (request.options.empty())
        return context;
    Check(CoCreateInstance(CLSID_WbemContext, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemContext,
                           context.putVoid()));
    for (const auto& [name, value] : request.options) {
        VariantHolder text;
        ToVariant(Variant(value), text.value);
        Check(context->SetValue(Wide(name).c_str(), 0, &text.value));
    }
    return context;
}

// "root\cimv2" on this computer, "\\machine\root\cimv2" on another.
std::string resourceOf(const ConnectRequest& request) {
    if (request.machineName.empty())
        return request.nameSpace;
    return "\\\\" + request.machineName + "\\" + request.nameSpace;
}

} // namespace

void WindowsManagementService::initializeThread() {
    InitializeComForThread();
}

std::shared_ptr<IServices> WindowsManagementService::connectServer(const ConnectRequest& request) {
    InitializeComForThread();
    ComPtr<IWbemLocator> locator;
    Check(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                           locator.putVoid()));
    const auto context = contextOf(request);
    const Bstr resource(resourceOf(request));
    const Bstr user = Bstr::Optional(request.userName);
    const Bstr password = Bstr::Optional(request.password);
    const Bstr locale = Bstr::Optional(request.locale);
    const Bstr authority = Bstr::Optional(request.authority);
    ComPtr<IWbemServices> services;
    Check(locator->ConnectServer(resource.get(), user.get(), password.get(), locale.get(), 0,
                                 authority.get(), context.get(), services.put()));
    return std::make_shared<WbemServices>(std::move(services));
}

std::shared_ptr<IDispatchObject>
WindowsManagementService::bindMoniker(const std::string& displayName) {
    InitializeComForThread();
    ComPtr<IBindCtx> context;
    Check(CreateBindCtx(0, context.put()));
    ComPtr<IMoniker> moniker;
    ULONG eaten = 0;
    const std::wstring wide = Wide(displayName);
    Check(MkParseDisplayNameEx(context.get(), wide.c_str(), &eaten, moniker.put()));
    ComPtr<IUnknown> object;
    Check(moniker->BindToObject(context.get(), nullptr, IID_IUnknown, object.putVoid()));
    auto dispatch = object.query<IDispatch>(IID_IDispatch);
    if (!dispatch)
        throw ServiceError::failed(static_cast<std::uint32_t>(E_NOINTERFACE));
    return std::make_shared<DispatchObject>(std::move(dispatch));
}

} // namespace norvane::platform::windows
