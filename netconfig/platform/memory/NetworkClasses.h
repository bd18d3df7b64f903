#pragma once

#include "netconfig/platform/memory/ClassDefinition.h"

#include <memory>

namespace norvane::platform::memory {

inline constexpr const char* AdapterClassName = "Win32_NetworkAdapter";
inline constexpr const char* ConfigurationClassName = "Win32_NetworkAdapterConfiguration";

// The two classes of root\cimv2 the program reads, with the three methods
// of the configuration class it runs (their real signatures).
std::shared_ptr<ClassDefinition> MakeAdapterClass();
std::shared_ptr<ClassDefinition> MakeConfigurationClass();

} // namespace norvane::platform::memory
