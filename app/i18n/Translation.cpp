#include "Translation.h"

namespace norvane::i18n {

std::string Translate(const std::string& text) {
    return text;
}

} // namespace norvane::i18n

namespace norvane::i18n {
namespace {
std::string current = "C";
}

void SelectLanguage(const std::string& code) {
    current = code.empty() ? "C" : code;
}

std::string CurrentLanguage() {
    return current;
}

} // namespace norvane::i18n
