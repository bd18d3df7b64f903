#pragma once

#include "netconfig/platform/IObjectEnumerator.h"
#include "netconfig/platform/windows/ComPtr.h"

#include <wbemcli.h>

namespace norvane::platform::windows {

// A query's result, read from the service one object at a time.
class WbemEnumerator : public IObjectEnumerator {
public:
    WbemEnumerator(ComPtr<IEnumWbemClassObject> enumerator, ComPtr<IWbemServices> services)
        : enumerator_(std::move(enumerator)), services_(std::move(services)) {}

    std::shared_ptr<IManagementObject> next() override;

private:
    ComPtr<IEnumWbemClassObject> enumerator_;
    ComPtr<IWbemServices> services_;
};

} // namespace norvane::platform::windows
