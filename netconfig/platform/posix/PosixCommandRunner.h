#pragma once

#include "netconfig/platform/ICommandRunner.h"

#include <optional>
#include <string>

namespace norvane::platform::posix {

// Runs a command line as a child process and waits for it. There is no window
// to hide here; the child shares the program's terminal and environment.
class PosixCommandRunner : public ICommandRunner {
public:
    // programDirectory: where the program is looked for first; empty: the
    // running program's own directory.
    explicit PosixCommandRunner(std::string programDirectory = {});

    CommandOutcome run(const std::string& commandLine) override;

    // The file a program name stands for: a name with a "/" as it is, else
    // the first executable file of that name in the program directory or
    // along PATH.
    std::optional<std::string> findProgram(const std::string& name) const;

private:
    std::string programDirectory_;
};

} // namespace norvane::platform::posix
