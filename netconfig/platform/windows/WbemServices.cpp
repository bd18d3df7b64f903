#include "netconfig/platform/windows/WbemServices.h"

#include "netconfig/platform/windows/ComSecurity.h"
#include "netconfig/platform/windows/ComText.h"
#include "netconfig/platform/windows/WbemClassObject.h"
#include "netconfig/platform/windows/WbemEnumerator.h"

namespace norvane::platform::windows {

std::unique_ptr<IObjectEnumerator> WbemServices::execQuery(const std::string& query,
                                                           const std::string& language, int flags) {
    ComPtr<IEnumWbemClassObject> enumerator;
    Check(services_->ExecQuery(Bstr(language).get(), Bstr(query).get(), flags, nullptr,
                               enumerator.put()));
    // The enumerator is a proxy of its own and calls back with our identity.
    if (impersonation_ != RPC_C_IMP_LEVEL_DEFAULT)
        SetImpersonation(enumerator.get(), impersonation_);
    return std::make_unique<WbemEnumerator>(std::move(enumerator), services_);
}

std::shared_ptr<IManagementObject> WbemServices::getClass(const std::string& className,
                                                          bool amended) {
    ComPtr<IWbemClassObject> definition;
    Check(services_->GetObject(Bstr(className).get(),
                               amended ? WBEM_FLAG_USE_AMENDED_QUALIFIERS : 0, nullptr,
                               definition.put(), nullptr));
    return std::make_shared<WbemClassObject>(std::move(definition), services_);
}

void WbemServices::setImpersonationLevel(int level) {
    SetImpersonation(services_.get(), static_cast<DWORD>(level));
    impersonation_ = static_cast<DWORD>(level);
}

} // namespace norvane::platform::windows
