#include "Translator.h"

#include "CatalogLocation.h"
#include "MoFile.h"
#include "UserLanguage.h"

#include <cstdlib>
#include <libintl.h>
#include <utility>

// The runtime keeps each lookup's result until this counter moves; glibc
// exports it so that programs can drop those results when the language changes.
extern "C" int _nl_msg_cat_cntr;

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

// The runtime ignores the LANGUAGE list while the messages locale is "C";
// lookups run under a "C.UTF-8" messages locale of their own, which leaves
// the process's locale (that the toolkit sets) alone.
locale_t newMessagesLocale() {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
        if (locale_t locale = newlocale(LC_MESSAGES_MASK, name, nullptr))
            return locale;
    }
    return nullptr;
}

// Gives LANGUAGE a value for the lifetime of the object, so that child
// processes never inherit our language choice. The variable is made to exist
// once, before any other thread runs (an empty LANGUAGE means "unset" to every
// gettext user); from then on each change only swaps its value in place and
// never moves the environment array under a concurrent getenv.
class TScopedLanguage {
public:
    static void Prepare() {
        if (!std::getenv("LANGUAGE"))
            setenv("LANGUAGE", "", 1);
    }

    explicit TScopedLanguage(const std::string& value) {
        if (const char* old = std::getenv("LANGUAGE"))
            old_ = old;
        setenv("LANGUAGE", value.c_str(), 1);
    }
    ~TScopedLanguage() { setenv("LANGUAGE", old_.c_str(), 1); }
    TScopedLanguage(const TScopedLanguage&) = delete;
    TScopedLanguage& operator=(const TScopedLanguage&) = delete;

private:
    std::string old_;
};

} // namespace

TTranslator::TTranslator(std::string domain)
    : domain_(std::move(domain)), messagesLocale_(newMessagesLocale()) {
    TScopedLanguage::Prepare();
}

TTranslator::~TTranslator() {
    if (messagesLocale_)
        freelocale(messagesLocale_);
}

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
    catalogLanguage_.clear();
    ++_nl_msg_cat_cntr;
}

void TTranslator::OpenCatalog() {
    catalog_ = Catalog::Missing;
    if (!messagesLocale_ || directory_.empty())
        return;
    const auto location = FindCatalog(directory_, language_, domain_);
    if (!location)
        return;
    const TMoFile file = TMoFile::Load(location->path);
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
    bindtextdomain(domain_.c_str(), directory_.c_str());
    bind_textdomain_codeset(domain_.c_str(), "UTF-8");
    ++_nl_msg_cat_cntr;
    catalogLanguage_ = location->language;
    catalog_ = Catalog::Open;
}

const char* TTranslator::Lookup(const std::string& key) const {
    // Naming the directory that was found, rather than the code, makes the
    // runtime load exactly the file that was checked.
    const TScopedLanguage language(catalogLanguage_);
    const locale_t previous = uselocale(messagesLocale_);
    const char* translation = dgettext(domain_.c_str(), key.c_str());
    uselocale(previous);
    return translation == key.c_str() ? nullptr : translation;
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
    const char* translation = Lookup(key);
    return translation ? withCarriageReturns(translation) : text;
}

} // namespace norvane::i18n
