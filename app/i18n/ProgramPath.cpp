#include "ProgramPath.h"

#include <filesystem>
#include <system_error>

namespace norvane::i18n {

namespace fs = std::filesystem;

std::string ProgramFilePath() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return (fs::current_path(error) / "norvane").string();
    return self.string();
}

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
