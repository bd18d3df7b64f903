#pragma once

#include "netconfig/platform/ICommandRunner.h"
#include "netconfig/platform/IIpHelper.h"
#include "netconfig/platform/IManagementService.h"

#include <memory>

namespace norvane::platform {

// The platform's services, chosen once at start-up and handed to whoever
// needs them (the data module holds them). Each member is an interface with
// one implementation per platform.
struct Platform {
    std::unique_ptr<IManagementService> managementService;
    // The adapters as the system's IP helper lists them, with their
    // connections' display names.
    std::unique_ptr<IIpHelper> ipHelper;
    // Starts the companion commands (netsh) and waits for them.
    std::unique_ptr<ICommandRunner> commandRunner;
};

// Picks the backend from the environment:
//   NORVANE_PLATFORM   "simulated", "linux" or "windows"; the default is the
//                      build's own platform.
//   NORVANE_SIMULATION the JSON machine file of the simulated backend.
//   NORVANE_JOURNAL    the file the simulated backend appends its method calls to.
// Raises norvane::Exception for an unknown or unavailable backend.
Platform CreatePlatform();

// The build's own way of starting child processes; every backend uses it,
// since the simulated one relies on the companion commands' own simulation.
std::unique_ptr<ICommandRunner> NativeCommandRunner();

} // namespace norvane::platform
