#include "netconfig/platform/windows/WindowsIpHelper.h"

#include "netconfig/platform/windows/ComText.h"

#include <iphlpapi.h>
#include <vector>

namespace norvane::platform::windows {

namespace {

using GetAdaptersInfoFn = DWORD(WINAPI*)(PIP_ADAPTER_INFO, PULONG);
using GetPerAdapterInfoFn = DWORD(WINAPI*)(ULONG, PIP_PER_ADAPTER_INFO, PULONG);

const char ConnectionKeyPrefix[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";

// GetProcAddress hands out a generic function pointer; going through
// void (*)() states that the real signature is known.
template <typename Function> Function functionOf(FARPROC address) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

std::string fixedText(const char* text, std::size_t size) {
    return std::string(text, size);
}

IpAddrString entryOf(const IP_ADDR_STRING& entry) {
    return {fixedText(entry.IpAddress.String, sizeof entry.IpAddress.String).c_str(),
            fixedText(entry.IpMask.String, sizeof entry.IpMask.String).c_str()};
}

// The embedded first entry, then those linked from it.
std::vector<IpAddrString> listOf(const IP_ADDR_STRING& first) {
    std::vector<IpAddrString> list;
    for (const IP_ADDR_STRING* entry = &first; entry != nullptr; entry = entry->Next)
        list.push_back(entryOf(*entry));
    return list;
}

IpAdapterInfo adapterOf(const IP_ADAPTER_INFO& adapter) {
    IpAdapterInfo info;
    info.adapterName = fixedText(adapter.AdapterName, sizeof adapter.AdapterName);
    info.description = fixedText(adapter.Description, sizeof adapter.Description);
    const UINT length = adapter.AddressLength <= sizeof adapter.Address ? adapter.AddressLength
                                                                        : sizeof adapter.Address;
    info.address.assign(adapter.Address, adapter.Address + length);
    info.index = adapter.Index;
    info.type = adapter.Type;
    info.dhcpEnabled = adapter.DhcpEnabled;
    if (adapter.CurrentIpAddress != nullptr)
        info.currentIpAddress = entryOf(*adapter.CurrentIpAddress);
    info.ipAddressList = listOf(adapter.IpAddressList);
    info.gatewayList = listOf(adapter.GatewayList);
    info.dhcpServer = listOf(adapter.DhcpServer);
    info.primaryWinsServer = listOf(adapter.PrimaryWinsServer);
    info.secondaryWinsServer = listOf(adapter.SecondaryWinsServer);
    info.leaseObtained = static_cast<std::uint32_t>(adapter.LeaseObtained);
    info.leaseExpires = static_cast<std::uint32_t>(adapter.LeaseExpires);
    return info;
}

} // namespace

WindowsIpHelper::~WindowsIpHelper() {
    if (library_ != nullptr)
        FreeLibrary(library_);
}

bool WindowsIpHelper::bind() {
    if (library_ != nullptr)
        return true;
    // From the system directory only, never from beside the program.
    library_ = LoadLibraryExW(L"IPHLPAPI.DLL", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library_ == nullptr)
        return false;
    getAdaptersInfo_ = GetProcAddress(library_, "GetAdaptersInfo");
    getPerAdapterInfo_ = GetProcAddress(library_, "GetPerAdapterInfo");
    return true;
}

std::uint32_t WindowsIpHelper::getAdaptersInfo(std::vector<IpAdapterInfo>& adapters) {
    const auto call = functionOf<GetAdaptersInfoFn>(getAdaptersInfo_);
    if (call == nullptr)
        return ERROR_NOT_SUPPORTED;
    // The list may grow between asking for its size and reading it.
    std::vector<unsigned char> buffer;
    ULONG size = 0;
    DWORD result = ERROR_BUFFER_OVERFLOW;
    while (result == ERROR_BUFFER_OVERFLOW) {
        buffer.assign(size, 0);
        result =
            call(size == 0 ? nullptr : reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
    }
    if (result != ERROR_SUCCESS)
        return result;
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data());
         adapter != nullptr; adapter = adapter->Next)
        adapters.push_back(adapterOf(*adapter));
    return ERROR_SUCCESS;
}

bool WindowsIpHelper::hasPerAdapterInfo() {
    return getPerAdapterInfo_ != nullptr;
}

std::uint32_t WindowsIpHelper::getPerAdapterInfo(std::uint32_t index, std::size_t bufferSize,
                                                 IpPerAdapterInfo& info) {
    const auto call = functionOf<GetPerAdapterInfoFn>(getPerAdapterInfo_);
    if (call == nullptr)
        return ERROR_NOT_SUPPORTED;
    std::vector<unsigned char> buffer(bufferSize, 0);
    ULONG size = static_cast<ULONG>(bufferSize);
    const DWORD result = call(index, reinterpret_cast<PIP_PER_ADAPTER_INFO>(buffer.data()), &size);
    if (result != ERROR_SUCCESS)
        return result;
    const auto* perAdapter = reinterpret_cast<const IP_PER_ADAPTER_INFO*>(buffer.data());
    info.autoconfigEnabled = perAdapter->AutoconfigEnabled;
    info.autoconfigActive = perAdapter->AutoconfigActive;
    if (perAdapter->CurrentDnsServer != nullptr)
        info.currentDnsServer = entryOf(*perAdapter->CurrentDnsServer);
    info.dnsServerList = listOf(perAdapter->DnsServerList);
    return ERROR_SUCCESS;
}

std::string WindowsIpHelper::connectionName(const std::string& adapterName) {
    // Read access is all a user without administrator rights gets here; the
    // name is read as UTF-16 so that accents survive.
    const std::wstring keyName = Wide(ConnectionKeyPrefix + adapterName + "\\Connection");
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return {};
    std::string name;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, L"Name", nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_SZ && size > 0) {
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(key, L"Name", nullptr, &type, reinterpret_cast<LPBYTE>(value.data()),
                             &size) == ERROR_SUCCESS)
            name = Utf8(value.c_str()); // up to the first zero: the value need not end with one
    }
    RegCloseKey(key);
    return name;
}

} // namespace norvane::platform::windows
