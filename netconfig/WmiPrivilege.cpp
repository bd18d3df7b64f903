#include "netconfig/WmiPrivilege.h"

#include "netconfig/platform/TextCase.h"

namespace norvane {

namespace {

// In privilege-number order, from 1.
constexpr const char* privilegeNames[] = {
    "SeCreateTokenPrivilege",
    "SeAssignPrimaryTokenPrivilege",
    "SeLockMemoryPrivilege",
    "SeIncreaseQuotaPrivilege",
    "SeMachineAccountPrivilege",
    "SeTcbPrivilege",
    "SeSecurityPrivilege",
    "SeTakeOwnershipPrivilege",
    "SeLoadDriverPrivilege",
    "SeSystemProfilePrivilege",
    "SeSystemtimePrivilege",
    "SeProfileSingleProcessPrivilege",
    "SeIncreaseBasePriorityPrivilege",
    "SeCreatePagefilePrivilege",
    "SeCreatePermanentPrivilege",
    "SeBackupPrivilege",
    "SeRestorePrivilege",
    "SeShutdownPrivilege",
    "SeDebugPrivilege",
    "SeAuditPrivilege",
    "SeSystemEnvironmentPrivilege",
    "SeChangeNotifyPrivilege",
    "SeRemoteShutdownPrivilege",
    "SePrivilegeUndock",
    "SePrivilegeSyncAgent",
    "SePrivilegeEnableDelegation",
};

static_assert(std::size(privilegeNames) == wmiPrivilegeEnableDelegation + 1);

} // namespace

TWmiPrivileges AllWmiPrivileges() {
    TWmiPrivileges all;
    for (int k = wmiPrivilegeCreateToken; k <= wmiPrivilegeEnableDelegation; ++k)
        all.insert(static_cast<TWmiPrivilege>(k));
    return all;
}

int WmiPrivilegeNumber(const std::string& name) {
    for (std::size_t i = 0; i < std::size(privilegeNames); ++i)
        if (platform::EqualsIgnoreCase(privilegeNames[i], name))
            return static_cast<int>(i) + 1;
    return 0;
}

} // namespace norvane
