#include "ProgramPath.h"

#include <filesystem>
#include <string>
#include <windows.h>

namespace norvane::i18n {

std::string ProgramFilePath() {
    // Long paths need more than MAX_PATH; grow until the name fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return (std::filesystem::current_path() / "norvane.exe").string();
        if (length < path.size()) {
            path.resize(length);
            return std::filesystem::path(path).string();
        }
        path.resize(path.size() * 2);
    }
}

} // namespace norvane::i18n
