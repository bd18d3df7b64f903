#include "netconfig/platform/windows/WbemEnumerator.h"

#include "netconfig/platform/windows/ComText.h"
#include "netconfig/platform/windows/WbemClassObject.h"

namespace norvane::platform::windows {

std::shared_ptr<IManagementObject> WbemEnumerator::next() {
    IWbemClassObject* object = nullptr;
    ULONG returned = 0;
    const HRESULT hr = enumerator_->Next(static_cast<LONG>(WBEM_INFINITE), 1, &object, &returned);
    Check(hr);
    if (returned == 0 || !object)
        return nullptr; // WBEM_S_FALSE: the end of the result
    return std::make_shared<WbemClassObject>(ComPtr<IWbemClassObject>(object), services_);
}

} // namespace norvane::platform::windows
