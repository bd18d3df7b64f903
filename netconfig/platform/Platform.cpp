#include "netconfig/platform/Platform.h"

#include "common/Errors.h"
#include "netconfig/platform/memory/MemoryIpHelper.h"
#include "netconfig/platform/memory/MemoryManagementService.h"
#include "netconfig/platform/simulated/SimulatedMachine.h"

#include <cstdlib>

#ifdef _WIN32
#include "netconfig/platform/windows/WindowsCommandRunner.h"
#include "netconfig/platform/windows/WindowsIpHelper.h"
#include "netconfig/platform/windows/WindowsManagementService.h"
#else
#include "netconfig/platform/linux/LinuxNetwork.h"
#include "netconfig/platform/posix/PosixCommandRunner.h"
#endif

namespace norvane::platform {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

Platform simulatedPlatform() {
    const std::string machineFile = environment("NORVANE_SIMULATION");
    if (machineFile.empty())
        throw Exception("NORVANE_PLATFORM=simulated needs NORVANE_SIMULATION (the machine file)");
    auto machine =
        std::make_shared<simulated::SimulatedMachine>(machineFile, environment("NORVANE_JOURNAL"));
    Platform platform;
    platform.ipHelper = std::make_unique<memory::MemoryIpHelper>(
        machine, memory::MemoryIpHelper::Naming::SettingId);
    platform.managementService = std::make_unique<memory::MemoryManagementService>(machine);
    platform.commandRunner = NativeCommandRunner();
    return platform;
}

Platform nativePlatform() {
    Platform platform;
#ifdef _WIN32
    platform.managementService = std::make_unique<windows::WindowsManagementService>();
    platform.ipHelper = std::make_unique<windows::WindowsIpHelper>();
#else
    auto network = std::make_shared<linux_backend::LinuxNetwork>();
    platform.ipHelper = std::make_unique<memory::MemoryIpHelper>(
        network, memory::MemoryIpHelper::Naming::InterfaceName);
    platform.managementService = std::make_unique<memory::MemoryManagementService>(network);
#endif
    platform.commandRunner = NativeCommandRunner();
    return platform;
}

} // namespace

std::unique_ptr<ICommandRunner> NativeCommandRunner() {
#ifdef _WIN32
    return std::make_unique<windows::WindowsCommandRunner>();
#else
    return std::make_unique<posix::PosixCommandRunner>();
#endif
}

Platform CreatePlatform() {
    const std::string choice = environment("NORVANE_PLATFORM");
    if (choice == "simulated")
        return simulatedPlatform();
#ifdef _WIN32
    if (choice.empty() || choice == "windows")
        return nativePlatform();
#else
    if (choice.empty() || choice == "linux")
        return nativePlatform();
#endif
    throw Exception("Unknown or unavailable platform: " + choice);
}

} // namespace norvane::platform
