#include "UserLanguage.h"

#include <windows.h>

namespace norvane::i18n {
namespace {

// One item of the user's locale as ASCII text; empty when it cannot be read.
std::string localeItem(LCTYPE item) {
    wchar_t buffer[16] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, 16);
    std::string text;
    for (int i = 0; i + 1 < length; ++i) {
        if (buffer[i] > 0x7f)
            return {};
        text += static_cast<char>(buffer[i]);
    }
    return text;
}

} // namespace

std::string UserLocaleLanguage() {
    const std::string language = localeItem(LOCALE_SISO639LANGNAME);
    const std::string country = localeItem(LOCALE_SISO3166CTRYNAME);
    if (language.empty() || country.empty())
        return "C";
    return LanguageCountryOf(language + "_" + country);
}

} // namespace norvane::i18n
