#include "netconfig/platform/Platform.h"

#include "common/Errors.h"
#include "netconfig/platform/memory/MemoryManagementService.h"
#include "netconfig/platform/simulated/SimulatedMachine.h"

#include <cstdlib>

#ifdef _WIN32
#include "netconfig/platform/windows/WindowsManagementService.h"
#else
#include "netconfig/platform/linux/LinuxNetwork.h"
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
    return {std::make_unique<memory::MemoryManagementService>(std::move(machine))};
}

Platform nativePlatform() {
#ifdef _WIN32
    return {std::make_unique<windows::WindowsManagementService>()};
#else
    return {std::make_unique<memory::MemoryManagementService>(
        std::make_shared<linux_backend::LinuxNetwork>())};
#endif
}

} // namespace

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
