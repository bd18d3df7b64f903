#pragma once

#include <string>
#include <string_view>

namespace norvane::platform {

// Identifiers of the management service (class, property, method and
// qualifier names) compare without regard to ASCII letter case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string AsciiUpper(std::string_view text);
std::string Trim(std::string_view text);

} // namespace norvane::platform

namespace norvane::platform {

// Upper-cases ASCII and Latin-1 letters of a UTF-8 text ("é" becomes "É").
std::string UpperText(std::string_view text);

} // namespace norvane::platform
