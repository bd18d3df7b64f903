#include "LanguageSetting.h"

#include "IniFile.h"

namespace norvane::i18n {
namespace {
constexpr const char* Section = "Language";
constexpr const char* Key = "Language";
} // namespace

std::string ReadLanguageSetting(const std::string& settingsPath) {
    return TIniFile(settingsPath).ReadString(Section, Key, "").substr(0, 2);
}

void WriteLanguageSetting(const std::string& settingsPath, const std::string& code) {
    TIniFile(settingsPath).WriteString(Section, Key, code);
}

} // namespace norvane::i18n
