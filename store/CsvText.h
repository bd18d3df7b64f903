#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The value rules of one line of the profile file: where values start, how a
// value is unquoted when read and quoted when written, and how numbers read.
namespace norvane::csv {

// Offsets at which each value of `line` starts, honouring quoted values. Value i
// runs up to the separator before starts[i + 1], the last one to the line's end.
std::vector<std::uint32_t> ValueStarts(std::string_view line, char separator, bool backslashMode);

// The value's raw text: spaces and tabs cut from both ends.
std::string_view Trim(std::string_view text);

// A text value as read: a value quoted from its first to its last character
// loses the quotes and its doubled quotes; anything else is taken as it stands.
std::string Unquote(std::string_view raw, bool backslashMode);

// A text value as written: unchanged unless it needs quoting (or `force`).
// Writing never changes how the table reads: a table that switched to backslash
// escapes halfway through a session would read its other rows differently from
// the next run.
std::string Enquote(std::string_view value, char separator, bool backslashMode, bool force = false);

// A whole 32-bit number, optionally signed; nothing when the text is not one.
std::optional<std::int32_t> ParseInteger(std::string_view raw);

// A Boolean column's raw text: nothing when empty, true for any non-zero
// number, false for zero and for anything that is not a number.
std::optional<bool> ParseBoolean(std::string_view raw);

// The number a key value stands for; text that is not a number counts as
// kNotANumber, so two such keys compare equal.
inline constexpr double kNotANumber = -99999.9;
double ParseKeyNumber(std::string_view raw);

} // namespace norvane::csv
