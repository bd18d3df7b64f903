#include "Translator.h"

#include "CatalogLocation.h"
#include "MoFile.h"
#include "UserLanguage.h"

#include <utility>

namespace norvane::i18n {
namespace {

std::string withoutCarriageReturns(const std::string& text) {
    std::string key;
    key.reserve(text.size());
    for (char c : text)
        if (c != '\r')
            key += c;
    return key;
}

std::string withCarriageReturns(const char* translation) {
    std::string text;
    char previous = '\0';
    for (const char* p = translation; *p; ++p) {
        if (*p == '\n' && previous != '\r')
            text += '\r';
        text += *p;
        previous = *p;
    }
    return text;
}

} // namespace

TTranslator::TTranslator(std::string domain) : domain_(std::move(domain)), lookup_(domain_) {}

TTranslator::~TTranslator() = default;

void TTranslator::SetCatalogDirectory(const std::string& directory) {
    directory_ = directory;
    catalog_ = Catalog::NotLookedFor;
}

void TTranslator::SetProblemHandler(LocalizationProblemHandler handler) {
    problemHandler_ = std::move(handler);
}

void TTranslator::SelectLanguage(const std::string& code) {
    language_ = code.empty() ? UserLanguage() : code;
    catalog_ = Catalog::NotLookedFor;
    lookup_.Forget();
}

void TTranslator::OpenCatalog() {
    catalog_ = Catalog::Missing;
    if (!lookup_.Usable() || directory_.empty())
        return;
    const auto location = FindCatalog(directory_, language_, domain_);
    if (!location)
        return;
    TMoFile file = TMoFile::Load(location->path);
    if (!file.DeclaresUtf8()) {
        off_ = true;
        if (problemHandler_)
            problemHandler_("Localization problem",
                            "The translation for the language code " + language_ + " (in " +
                                location->path +
                                ") does not have charset=utf-8 in its Content-Type. "
                                "Translations are turned off.");
        return;
    }
    lookup_.Use(directory_, *location, std::move(file));
    catalog_ = Catalog::Open;
}

std::string TTranslator::Translate(const std::string& text) {
    if (text.empty() || off_)
        return text;
    if (catalog_ == Catalog::NotLookedFor)
        OpenCatalog();
    if (off_ || catalog_ != Catalog::Open)
        return text;
    const std::string key = withoutCarriageReturns(text);
    if (key.empty())
        return text;
    const char* translation = lookup_.Lookup(key);
    return translation ? withCarriageReturns(translation) : text;
}

} // namespace norvane::i18n
