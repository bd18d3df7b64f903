#pragma once

#include "CatalogLookup.h"

#include <functional>
#include <string>

namespace norvane::i18n {

// Called once, with a title and a text, when a catalog does not declare UTF-8
// and translations are turned off. The application shows it in a message box.
using LocalizationProblemHandler =
    std::function<void(const std::string& title, const std::string& text)>;

// The translation layer over the gettext runtime for one text domain: the
// current language, its catalog (found and checked at the first lookup after
// each selection) and the switch that turns translations off for good.
class TTranslator {
public:
    explicit TTranslator(std::string domain = "default");
    ~TTranslator();
    TTranslator(const TTranslator&) = delete;
    TTranslator& operator=(const TTranslator&) = delete;

    void SetCatalogDirectory(const std::string& directory);
    void SetProblemHandler(LocalizationProblemHandler handler);

    // Makes the code current (the empty code means the user's language) and
    // forgets the previous language's catalog.
    void SelectLanguage(const std::string& code);
    const std::string& CurrentLanguage() const { return language_; }

    // The translation of a designed text, or the text unchanged. Raises
    // "This file is not a valid GNU gettext mo file: ..." once when the
    // language's catalog is broken; the language then has no catalog.
    std::string Translate(const std::string& text);

    bool TranslationsOff() const { return off_; }

private:
    enum class Catalog { NotLookedFor, Missing, Open };

    void OpenCatalog();

    std::string domain_;
    std::string directory_;
    std::string language_ = "C";
    Catalog catalog_ = Catalog::NotLookedFor;
    bool off_ = false;
    LocalizationProblemHandler problemHandler_;
    TCatalogLookup lookup_;
};

} // namespace norvane::i18n
