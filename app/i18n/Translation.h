#pragma once

#include "Translator.h"

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

// Brings the program's translation layer up: domain "default", catalogs in
// catalogDir, the user's language current. Runs before anything else.
void InitTranslation(const std::string& catalogDir);

// Where the "Localization problem" message goes (the application passes its
// message box; core code knows nothing of windows).
void SetLocalizationProblemHandler(LocalizationProblemHandler handler);

// The program's single translation layer, behind the functions above.
TTranslator& ProgramTranslator();

} // namespace norvane::i18n
