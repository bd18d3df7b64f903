#include "ProfileListing.h"

#include "common/Errors.h"
#include "common/Format.h"
#include "resources/Pictures.h"

#include <charconv>
#include <cstdint>

namespace norvane::ui {
namespace {

std::int32_t ToInteger(const std::string& text) {
    std::size_t start = 0;
    if (!text.empty() && text[0] == '+')
        start = 1;
    std::int32_t value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw Exception(Format("'%s' n'est pas une valeur entière correcte", {text}));
    return value;
}

} // namespace

int ProfileImageIndex(const std::string& imageText, const std::string& activeText) {
    const std::int32_t image = ToInteger(imageText);
    if (image < 0 || image >= pictures::ProfileIconCount)
        return -1;
    return activeText == "1" ? image + pictures::ProfileIconCount : image;
}

} // namespace norvane::ui
