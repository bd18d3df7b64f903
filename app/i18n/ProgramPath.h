#pragma once

#include <string>

namespace norvane::i18n {

// Full path of the running program file; the settings file and the catalogs
// live beside it, whatever the current directory is.
std::string ProgramFilePath();

// The directory of the running program file.
std::string ProgramDirectory();

// The program path with its extension replaced by ".ini" (added when the file
// name has none): "/opt/norvane/norvane" gives "/opt/norvane/norvane.ini".
std::string SettingsFilePathFor(const std::string& programPath);

// The settings file of the running program.
std::string SettingsFilePath();

} // namespace norvane::i18n
