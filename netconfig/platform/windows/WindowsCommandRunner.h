#pragma once

#include "netconfig/platform/ICommandRunner.h"

namespace norvane::platform::windows {

// CreateProcess with a hidden window and no separate application name, so the
// system's search finds the program (the program's own directory first);
// waits for the child without a time limit.
class WindowsCommandRunner : public ICommandRunner {
public:
    CommandOutcome run(const std::string& commandLine) override;
};

} // namespace norvane::platform::windows
