#pragma once

#include <string>

namespace norvane::i18n {

// The language meant by the empty code: "LANG" cut before its first ".";
// when "LANG" is empty, the user's locale as language_COUNTRY (the language
// "no" given as "nb"); when that cannot be read, "C".
std::string UserLanguage();

// The user's locale (LC_ALL, then LC_MESSAGES) as language_COUNTRY, or "C"
// when it does not have that form.
std::string UserLocaleLanguage();

} // namespace norvane::i18n
