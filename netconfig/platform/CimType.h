#pragma once

namespace norvane::platform {

// The management service's CIM type numbers; an array property carries
// the type of its elements and a separate array flag.
namespace cim {
inline constexpr int Sint16 = 2;
inline constexpr int Sint32 = 3;
inline constexpr int Real32 = 4;
inline constexpr int Real64 = 5;
inline constexpr int String = 8;
inline constexpr int Boolean = 11;
inline constexpr int Object = 13;
inline constexpr int Sint8 = 16;
inline constexpr int Uint8 = 17;
inline constexpr int Uint16 = 18;
inline constexpr int Uint32 = 19;
inline constexpr int Sint64 = 20;
inline constexpr int Uint64 = 21;
inline constexpr int Datetime = 101;
inline constexpr int Reference = 102;
inline constexpr int Char16 = 103;
} // namespace cim

} // namespace norvane::platform
