#include "netconfig/platform/windows/ComSecurity.h"

#include "netconfig/platform/windows/ComText.h"

#include <objbase.h>

namespace norvane::platform::windows {

void InitializeComForThread() {
    // S_FALSE (already initialised) is fine; a thread already in another
    // apartment keeps it and the calls below still work from there.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    thread_local bool securitySet = false;
    if (securitySet)
        return;
    securitySet = true;
    // Fails harmlessly when the process's security is already set.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

void SetImpersonation(IUnknown* proxy, DWORD level) {
    const HRESULT hr =
        CoSetProxyBlanket(proxy, RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_DEFAULT, COLE_DEFAULT_PRINCIPAL,
                          RPC_C_AUTHN_LEVEL_DEFAULT, level, COLE_DEFAULT_AUTHINFO, EOAC_DEFAULT);
    if (hr != E_NOINTERFACE)
        Check(hr);
}

} // namespace norvane::platform::windows
