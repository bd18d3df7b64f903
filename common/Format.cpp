#include "Format.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace norvane {
namespace {

std::string number(std::int64_t value, char conversion, int precision) {
    char buffer[64];
    if (conversion == 'x' || conversion == 'X') {
        // Result codes are 32-bit: negative values print as their unsigned form.
        const bool fits = value >= INT32_MIN && value <= static_cast<std::int64_t>(UINT32_MAX);
        const unsigned long long shown =
            fits ? static_cast<std::uint32_t>(value) : static_cast<unsigned long long>(value);
        std::snprintf(buffer, sizeof buffer, conversion == 'x' ? "%0*llx" : "%0*llX",
                      precision < 0 ? 0 : precision, shown);
    } else {
        std::snprintf(buffer, sizeof buffer, "%0*lld", precision < 0 ? 0 : precision,
                      static_cast<long long>(value));
    }
    return buffer;
}

std::string render(const FormatArg& arg, char conversion, int precision) {
    if (const auto* text = std::get_if<std::string>(&arg.value()))
        return *text;
    return number(std::get<std::int64_t>(arg.value()), conversion, precision);
}

} // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
    const std::vector<FormatArg> list(args);
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        if (pattern[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        std::size_t index = next;
        std::size_t digitsStart = j;
        while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])))
            ++j;
        if (j < pattern.size() && pattern[j] == ':' && j > digitsStart) {
            index = std::stoul(std::string(pattern.substr(digitsStart, j - digitsStart)));
            ++j;
        } else {
            j = digitsStart;
        }
        int precision = -1;
        if (j < pattern.size() && pattern[j] == '.') {
            ++j;
            precision = 0;
            while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])))
                precision = precision * 10 + (pattern[j++] - '0');
        }
        if (j >= pattern.size() ||
            std::string_view("sdxXu").find(pattern[j]) == std::string_view::npos) {
            out += pattern[i];
            continue;
        }
        if (index < list.size())
            out += render(list[index], pattern[j], precision);
        next = index + 1;
        i = j;
    }
    return out;
}

} // namespace norvane
