#pragma once

#include "netconfig/AdaptorInfo.h"
#include "netconfig/platform/IIpHelper.h"

#include <array>
#include <cstdint>
#include <string>

namespace norvane {

// Reading adapters through the system's IP helper:
//
//   int count = 0;
//   TAdaptorRows rows;
//   if (ReadAdaptorRows(*platform.ipHelper, count, rows) == 0)
//       for (int i = 0; i < count; ++i) use(rows[i]);
//
// Nothing here raises: failures are the system's result codes.

// Loads the helper library on the first call that succeeds; false while it
// cannot be loaded.
bool BindIphlpapi(platform::IIpHelper& helper);

// Fills rows with every adapter and sets count; returns the system's result
// code, 0 on success (50 when the library is missing, count and rows then
// untouched).
int ReadAdaptorRows(platform::IIpHelper& helper, int& count, TAdaptorRows& rows);

// The first `length` bytes (at most 8) as upper-case hexadecimal pairs joined
// by "-"; "00-00-00-00-00-00" for length 0.
std::string MacAddressText(const std::array<std::uint8_t, 8>& address, int length);

} // namespace norvane
