#pragma once

#include "netconfig/platform/IIpHelper.h"

#include <windows.h>

namespace norvane::platform::windows {

// IPHLPAPI.DLL, loaded on first use and released with this object, and the
// connection names kept in the registry.
class WindowsIpHelper : public IIpHelper {
public:
    WindowsIpHelper() = default;
    ~WindowsIpHelper() override;
    WindowsIpHelper(const WindowsIpHelper&) = delete;
    WindowsIpHelper& operator=(const WindowsIpHelper&) = delete;

    bool bind() override;
    std::uint32_t getAdaptersInfo(std::vector<IpAdapterInfo>& adapters) override;
    bool hasPerAdapterInfo() override;
    std::uint32_t getPerAdapterInfo(std::uint32_t index, std::size_t bufferSize,
                                    IpPerAdapterInfo& info) override;
    std::string connectionName(const std::string& adapterName) override;

private:
    HMODULE library_ = nullptr;
    FARPROC getAdaptersInfo_ = nullptr;
    FARPROC getPerAdapterInfo_ = nullptr;
};

} // namespace norvane::platform::windows
