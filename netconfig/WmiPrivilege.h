#pragma once

#include <set>
#include <string>

namespace norvane {

// The service's privileges; value k stands for its privilege number k + 1.
enum TWmiPrivilege {
    wmiPrivilegeCreateToken,
    wmiPrivilegePrimaryToken,
    wmiPrivilegeLockMemory,
    wmiPrivilegeIncreaseQuota,
    wmiPrivilegeMachineAccount,
    wmiPrivilegeTcb,
    wmiPrivilegeSecurity,
    wmiPrivilegeTakeOwnership,
    wmiPrivilegeLoadDriver,
    wmiPrivilegeSystemProfile,
    wmiPrivilegeSystemtime,
    wmiPrivilegeProfileSingleProcess,
    wmiPrivilegeIncreaseBasePriority,
    wmiPrivilegeCreatePagefile,
    wmiPrivilegeCreatePermanent,
    wmiPrivilegeBackup,
    wmiPrivilegeRestore,
    wmiPrivilegeShutdown,
    wmiPrivilegeDebug,
    wmiPrivilegeAudit,
    wmiPrivilegeSystemEnvironment,
    wmiPrivilegeChangeNotify,
    wmiPrivilegeRemoteShutdown,
    wmiPrivilegeUndock,
    wmiPrivilegeSyncAgent,
    wmiPrivilegeEnableDelegation,
};

using TWmiPrivileges = std::set<TWmiPrivilege>;

// All 26 privileges, the set the data module's invoker asks for.
TWmiPrivileges AllWmiPrivileges();

// The service's privilege number (1 to 26) of a privilege name such as
// "SeShutdownPrivilege", ignoring letter case; 0 for an unknown name.
int WmiPrivilegeNumber(const std::string& name);

} // namespace norvane
