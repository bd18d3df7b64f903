#include "UserLanguage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace norvane::i18n {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool allOf(const std::string& text, int (*test)(int)) {
    return std::all_of(text.begin(), text.end(), [test](unsigned char c) { return test(c) != 0; });
}

} // namespace

std::string LanguageCountryOf(const std::string& locale) {
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    const auto underscore = name.find('_');
    if (underscore == std::string::npos)
        return "C";
    std::string language = name.substr(0, underscore);
    const std::string country = name.substr(underscore + 1);
    if (language.size() < 2 || language.size() > 3 || !allOf(language, std::islower) ||
        country.size() != 2 || !allOf(country, std::isupper))
        return "C";
    if (language == "no")
        language = "nb";
    return language + "_" + country;
}

std::string UserLanguage() {
    const std::string lang = environment("LANG");
    if (!lang.empty()) {
        const std::string language = lang.substr(0, lang.find('.'));
        return language.empty() ? "C" : language;
    }
    return UserLocaleLanguage();
}

} // namespace norvane::i18n
