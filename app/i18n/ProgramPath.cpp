#include "ProgramPath.h"

#include <filesystem>

namespace norvane::i18n {

namespace fs = std::filesystem;

std::string ProgramDirectory() {
    return fs::path(ProgramFilePath()).parent_path().string();
}

std::string SettingsFilePathFor(const std::string& programPath) {
    fs::path settings(programPath);
    settings.replace_extension(".ini");
    return settings.string();
}

std::string SettingsFilePath() {
    return SettingsFilePathFor(ProgramFilePath());
}

} // namespace norvane::i18n
