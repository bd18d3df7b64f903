#pragma once

#include <vector>

namespace norvane::platform::windows {

// A privilege by the management service's number (1 to 26), and whether it
// is to be enabled.
struct PrivilegeRequest {
    int number;
    bool enabled;
};

// The system's name of a privilege number; nullptr outside 1 to 26.
const wchar_t* PrivilegeName(int number);

// Enables or disables the privileges on the process's token for the calls
// that follow. Privileges the account does not hold are left alone: the
// service refuses the call itself when it needs one of them.
void AdjustPrivileges(const std::vector<PrivilegeRequest>& requests);

} // namespace norvane::platform::windows
