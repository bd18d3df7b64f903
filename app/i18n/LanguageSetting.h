#pragma once

#include <string>

namespace norvane::i18n {

// The interface language stored in the settings file (section "Language", key
// "Language"): only its first two characters count, and a missing file,
// section or key reads as the empty code.
std::string ReadLanguageSetting(const std::string& settingsPath);

// Stores the code; raises "Impossible d'écrire dans %s" when the file cannot
// be written.
void WriteLanguageSetting(const std::string& settingsPath, const std::string& code);

} // namespace norvane::i18n
