#pragma once

#include "netconfig/platform/IDispatchObject.h"
#include "netconfig/platform/IServices.h"

#include <memory>

namespace norvane::platform::memory {

// The late-bound face of a services object: ExecQuery by name returns a
// collection whose elements run their class's methods by name, with
// positional arguments in the order of the method's input parameters.
std::shared_ptr<IDispatchObject> MakeServicesDispatch(std::shared_ptr<IServices> services);

} // namespace norvane::platform::memory
