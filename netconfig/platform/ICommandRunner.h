#pragma once

#include <string>

namespace norvane::platform {

// How a child process ended, or why it could not start.
struct CommandOutcome {
    bool started = false;
    // The exit code when started; otherwise the system's error number.
    int code = 0;
};

// Starts a command line as a child process without a window and waits for it
// to end. The program, the command line's first word, is looked for in the
// running program's own directory first and then along the search path.
class ICommandRunner {
public:
    virtual ~ICommandRunner() = default;
    virtual CommandOutcome run(const std::string& commandLine) = 0;
};

} // namespace norvane::platform
