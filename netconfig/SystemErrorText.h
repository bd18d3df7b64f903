#pragma once

#include <cstdint>
#include <string>

namespace norvane {

// The operating system's message text for a result code, without its
// trailing line break and full stop; empty when the system has none.
std::string SystemErrorText(std::uint32_t code);

} // namespace norvane
