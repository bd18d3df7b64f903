#include "Translation.h"

namespace norvane::i18n {

TTranslator& ProgramTranslator() {
    static TTranslator translator("default");
    return translator;
}

std::string Translate(const std::string& text) {
    return ProgramTranslator().Translate(text);
}

void SelectLanguage(const std::string& code) {
    ProgramTranslator().SelectLanguage(code);
}

std::string CurrentLanguage() {
    return ProgramTranslator().CurrentLanguage();
}

void InitTranslation(const std::string& catalogDir) {
    ProgramTranslator().SetCatalogDirectory(catalogDir);
    ProgramTranslator().SelectLanguage("");
}

void SetLocalizationProblemHandler(LocalizationProblemHandler handler) {
    ProgramTranslator().SetProblemHandler(std::move(handler));
}

} // namespace norvane::i18n
