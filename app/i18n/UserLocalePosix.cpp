#include "UserLanguage.h"

#include <cstdlib>

namespace norvane::i18n {

std::string UserLocaleLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return LanguageCountryOf(value);
    }
    return "C";
}

} // namespace norvane::i18n
