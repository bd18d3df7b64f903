#include "netconfig/platform/windows/WindowsCommandRunner.h"

#include "netconfig/platform/windows/ComText.h"

#include <string>
#include <windows.h>

namespace norvane::platform::windows {

namespace {

// Owns the two handles CreateProcess gives back.
class ProcessHandles {
public:
    PROCESS_INFORMATION info{};
    ProcessHandles() = default;
    ProcessHandles(const ProcessHandles&) = delete;
    ProcessHandles& operator=(const ProcessHandles&) = delete;
    ~ProcessHandles() {
        if (info.hThread)
            CloseHandle(info.hThread);
        if (info.hProcess)
            CloseHandle(info.hProcess);
    }
};

} // namespace

CommandOutcome WindowsCommandRunner::run(const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    // UTF-16 all the way: a connection name such as "Connexion au réseau
    // local" would not survive the 8-bit code page. CreateProcessW may write
    // into the command line it is given.
    std::wstring line = Wide(commandLine);
    ProcessHandles process;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process.info))
        return {false, static_cast<int>(GetLastError())};
    WaitForSingleObject(process.info.hProcess, INFINITE);
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(process.info.hProcess, &exitCode))
        return {true, static_cast<int>(GetLastError())};
    return {true, static_cast<int>(exitCode)};
}

} // namespace norvane::platform::windows
