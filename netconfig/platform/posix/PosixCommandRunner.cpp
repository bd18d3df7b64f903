#include "netconfig/platform/posix/PosixCommandRunner.h"

#include "netconfig/platform/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace norvane::platform::posix {

namespace {

std::string ownDirectory() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
}

bool isExecutableFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

// Exit code of a child ended by a signal, as shells report it.
constexpr int SignalExitBase = 128;

int waitFor(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return SignalExitBase + WTERMSIG(status);
    return -1;
}

} // namespace

PosixCommandRunner::PosixCommandRunner(std::string programDirectory)
    : programDirectory_(programDirectory.empty() ? ownDirectory() : std::move(programDirectory)) {}

std::optional<std::string> PosixCommandRunner::findProgram(const std::string& name) const {
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string::npos)
        return isExecutableFile(name) ? std::optional<std::string>(name) : std::nullopt;
    std::vector<std::string> directories;
    if (!programDirectory_.empty())
        directories.push_back(programDirectory_);
    const char* path = std::getenv("PATH");
    const std::string rest = path == nullptr ? std::string() : std::string(path);
    for (std::size_t start = 0; path != nullptr && start <= rest.size();) {
        const std::size_t end = std::min(rest.find(':', start), rest.size());
        directories.push_back(end == start ? std::string(".") : rest.substr(start, end - start));
        start = end + 1;
    }
    for (const auto& directory : directories) {
        const std::string candidate = directory + "/" + name;
        if (isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

CommandOutcome PosixCommandRunner::run(const std::string& commandLine) {
    const std::vector<std::string> words = SplitCommandLine(commandLine);
    const auto program = words.empty() ? std::nullopt : findProgram(words.front());
    if (!program)
        return {false, ENOENT};
    std::vector<char*> argv;
    for (const auto& word : words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int error =
        ::posix_spawn(&child, program->c_str(), nullptr, nullptr, argv.data(), environ);
    if (error != 0)
        return {false, error};
    return {true, waitFor(child)};
}

} // namespace norvane::platform::posix
