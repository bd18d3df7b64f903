#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 helpers for the profile file: text is held and written as UTF-8, and
// every width or length limit counts characters, never bytes.
namespace norvane::utf8 {

// True when the bytes form well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValid(std::string_view bytes);

// Well-formed sequences are kept; every stray byte is taken as Windows-1252,
// the 8-bit text an older Windows program writes. The result is valid UTF-8.
std::string Sanitize(std::string_view text);

// Number of characters; a stray byte counts as one.
std::size_t Length(std::string_view text);

// The first `count` characters, never cut inside a character.
std::string_view Left(std::string_view text, std::size_t count);

} // namespace norvane::utf8
