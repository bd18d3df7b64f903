#include "netconfig/platform/windows/WbemPrivileges.h"

#include "netconfig/platform/ServiceError.h"

#include <cstdint>
#include <iterator>
#include <windows.h>

namespace norvane::platform::windows {

namespace {

// In the order of the service's privilege numbers.
constexpr const wchar_t* names[] = {
    L"SeCreateTokenPrivilege",
    L"SeAssignPrimaryTokenPrivilege",
    L"SeLockMemoryPrivilege",
    L"SeIncreaseQuotaPrivilege",
    L"SeMachineAccountPrivilege",
    L"SeTcbPrivilege",
    L"SeSecurityPrivilege",
    L"SeTakeOwnershipPrivilege",
    L"SeLoadDriverPrivilege",
    L"SeSystemProfilePrivilege",
    L"SeSystemtimePrivilege",
    L"SeProfileSingleProcessPrivilege",
    L"SeIncreaseBasePriorityPrivilege",
    L"SeCreatePagefilePrivilege",
    L"SeCreatePermanentPrivilege",
    L"SeBackupPrivilege",
    L"SeRestorePrivilege",
    L"SeShutdownPrivilege",
    L"SeDebugPrivilege",
    L"SeAuditPrivilege",
    L"SeSystemEnvironmentPrivilege",
    L"SeChangeNotifyPrivilege",
    L"SeRemoteShutdownPrivilege",
    L"SeUndockPrivilege",
    L"SeSyncAgentPrivilege",
    L"SeEnableDelegationPrivilege",
};

class TokenHandle {
public:
    TokenHandle() {
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &handle_))
            handle_ = nullptr;
    }
    ~TokenHandle() {
        if (handle_)
            CloseHandle(handle_);
    }
    TokenHandle(const TokenHandle&) = delete;
    TokenHandle& operator=(const TokenHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_ = nullptr;
};

} // namespace

const wchar_t* PrivilegeName(int number) {
    if (number < 1 || number > static_cast<int>(std::size(names)))
        return nullptr;
    return names[number - 1];
}

void AdjustPrivileges(const std::vector<PrivilegeRequest>& requests) {
    if (requests.empty())
        return;
    TokenHandle token;
    if (!token.get())
        throw ServiceError::failed(static_cast<std::uint32_t>(HRESULT_FROM_WIN32(GetLastError())));
    for (const auto& request : requests) {
        TOKEN_PRIVILEGES change{};
        const wchar_t* name = PrivilegeName(request.number);
        if (!name || !LookupPrivilegeValueW(nullptr, name, &change.Privileges[0].Luid))
            continue;
        change.PrivilegeCount = 1;
        change.Privileges[0].Attributes = request.enabled ? SE_PRIVILEGE_ENABLED : 0;
        AdjustTokenPrivileges(token.get(), FALSE, &change, sizeof change, nullptr, nullptr);
    }
}

} // namespace norvane::platform::windows
