#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace norvane {

// One argument of Format: a text or a whole number.
class FormatArg {
public:
    FormatArg(std::string text) : value_(std::move(text)) {}
    FormatArg(std::string_view text) : value_(std::string(text)) {}
    FormatArg(const char* text) : value_(std::string(text)) {}
    FormatArg(int number) : value_(static_cast<std::int64_t>(number)) {}
    FormatArg(long number) : value_(static_cast<std::int64_t>(number)) {}
    FormatArg(long long number) : value_(static_cast<std::int64_t>(number)) {}
    FormatArg(unsigned number) : value_(static_cast<std::int64_t>(number)) {}
    FormatArg(unsigned long number) : value_(static_cast<std::int64_t>(number)) {}
    // std::size_t on 64-bit Windows.
    FormatArg(unsigned long long number) : value_(static_cast<std::int64_t>(number)) {}

    const std::variant<std::string, std::int64_t>& value() const { return value_; }

private:
    std::variant<std::string, std::int64_t> value_;
};

// Fills a message pattern the way the program's message texts are written:
// "%s", "%d", "%x" (lower case hex), "%X", an optional precision ("%.8x" pads with
// zeros), an optional argument index ("%0:s", "%1:s") and "%%". A number given to
// "%s" prints in decimal; a text given to "%d" prints as it is.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);

} // namespace norvane
