#pragma once

#include "app/autostart/IAutoStartStore.h"

#include <memory>

namespace norvane::autostart {

// The build's own place: the machine's Run key on Windows, the user's XDG
// autostart directory elsewhere.
std::unique_ptr<IAutoStartStore> NativeAutoStartStore();

} // namespace norvane::autostart
