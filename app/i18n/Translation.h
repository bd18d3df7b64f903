#pragma once

#include <string>

namespace norvane::i18n {

// Looks one designed (French, UTF-8) text up in the catalog of the current
// language; returns the text unchanged when there is no catalog, no entry, or
// translations are turned off.
std::string Translate(const std::string& text);

} // namespace norvane::i18n

namespace norvane::i18n {

// Makes the code the current language; the empty code means the user's
// language. Closes the catalogs of the previous language.
void SelectLanguage(const std::string& code);

// The current language code as selected (after resolving the empty code).
std::string CurrentLanguage();

} // namespace norvane::i18n
