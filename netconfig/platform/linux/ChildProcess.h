#pragma once

#include <optional>
#include <string>
#include <vector>

namespace norvane::platform::linux_backend {

// The full path of an installed program: searched in PATH, then in the
// system directories where network tools live even when PATH lacks them.
std::optional<std::string> FindProgram(const std::string& name);

// Runs a program (no shell in between) with its standard streams on
// /dev/null, so a daemon it leaves behind holds none of ours, and waits for
// it. Returns its exit code; raises std::system_error when it cannot start.
int RunProgram(const std::vector<std::string>& arguments);

} // namespace norvane::platform::linux_backend
