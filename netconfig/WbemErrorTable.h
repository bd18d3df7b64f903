#pragma once

#include <cstdint>

namespace norvane {

// The management service's documented English text for one of its 127 error
// codes, or null for any other code.
const char* WbemErrorDescription(std::uint32_t code);

} // namespace norvane
