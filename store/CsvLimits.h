#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The fixed limits of the profile file, counted in characters.
namespace norvane::csv {

inline constexpr std::size_t kMaxLineChars = 2046; // a data line
inline constexpr std::size_t kMaxListChars = 2048; // header lines and definitions: fewer
inline constexpr std::size_t kMaxColumns = 120;    // values in a line

std::string TooManyColumnsMessage();
// "CSV string is too long: <first 40 characters>..."
std::string TooLongMessage(std::string_view line);

} // namespace norvane::csv
