#include "netconfig/platform/linux/ChildProcess.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

extern char** environ;

namespace norvane::platform::linux_backend {

namespace {

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    void toNull(int fd, int flags) {
        posix_spawn_file_actions_addopen(&actions_, fd, "/dev/null", flags, 0);
    }
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

} // namespace

std::optional<std::string> FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string directories = path != nullptr ? path : "";
    directories += ":/usr/local/sbin:/usr/sbin:/sbin:/usr/bin:/bin";
    std::istringstream list(directories);
    for (std::string directory; std::getline(list, directory, ':');) {
        if (directory.empty())
            continue;
        const std::string candidate = directory + '/' + name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

int RunProgram(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    SpawnActions actions;
    actions.toNull(0, O_RDONLY);
    actions.toNull(1, O_WRONLY);
    actions.toNull(2, O_WRONLY);
    pid_t child = 0;
    const int error = posix_spawn(&child, argv[0], actions.get(), nullptr, argv.data(), environ);
    if (error != 0)
        throw std::system_error(error, std::generic_category(), arguments.front());

    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            throw std::system_error(errno, std::generic_category(), arguments.front());
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

} // namespace norvane::platform::linux_backend
