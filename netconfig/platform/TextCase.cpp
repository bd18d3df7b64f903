#include "netconfig/platform/TextCase.h"

#include <algorithm>

namespace {
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
} // namespace

namespace norvane::platform {

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

std::string AsciiUpper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), upper);
    return result;
}

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

} // namespace norvane::platform

namespace norvane::platform {

std::string UpperText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // U+00E0..U+00FE (except U+00F7) are "\xC3\xA0".."\xC3\xBE"; upper case is 0x20 lower.
        if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            result += text[i];
            result += static_cast<char>(next >= 0xA0 && next <= 0xBE && next != 0xB7 ? next - 0x20
                                                                                     : next);
            ++i;
        } else {
            result += upper(text[i]);
        }
    }
    return result;
}

} // namespace norvane::platform
