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

} // namespace norvane::i18n
