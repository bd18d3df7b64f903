#pragma once

#include <string>

namespace norvane::i18n {

// The language meant by the empty code: "LANG" cut before its first ".";
// when "LANG" is empty, the user's locale as language_COUNTRY (the language
// "no" given as "nb"); when that cannot be read, "C".
std::string UserLanguage();

// The user's locale as language_COUNTRY, or "C" when it does not have that
// form: LC_ALL, then LC_MESSAGES on POSIX systems; the user's locale setting
// (ISO 639 language and ISO 3166 country) on Windows.
std::string UserLocaleLanguage();

// "de_DE.UTF-8@euro" gives "de_DE", "no_NO" gives "nb_NO"; anything without a
// language of two or three lower-case letters and a two-letter country gives
// "C".
std::string LanguageCountryOf(const std::string& locale);

} // namespace norvane::i18n
