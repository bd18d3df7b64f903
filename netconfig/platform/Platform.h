#pragma once

#include "netconfig/platform/IManagementService.h"

#include <memory>

namespace norvane::platform {

// The platform's services, chosen once at start-up and handed to whoever
// needs them (the data module holds them). Each member is an interface with
// one implementation per platform.
struct Platform {
    std::unique_ptr<IManagementService> managementService;
};

// Picks the backend from the environment:
//   NORVANE_PLATFORM   "simulated", "linux" or "windows"; the default is the
//                      build's own platform.
//   NORVANE_SIMULATION the JSON machine file of the simulated backend.
//   NORVANE_JOURNAL    the file the simulated backend appends its method calls to.
// Raises norvane::Exception for an unknown or unavailable backend.
Platform CreatePlatform();

} // namespace norvane::platform
