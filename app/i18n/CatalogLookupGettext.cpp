#include "CatalogLookup.h"

#include <cstdlib>
#include <libintl.h>
#include <locale.h>

// The runtime keeps each lookup's result until this counter moves; glibc
// exports it so that programs can drop those results when the language changes.
extern "C" int _nl_msg_cat_cntr;

namespace norvane::i18n {
namespace {

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

struct TCatalogLookup::State {
    std::string domain;
    locale_t messagesLocale = nullptr;
    std::string catalogLanguage;
};

TCatalogLookup::TCatalogLookup(const std::string& domain)
    : state_(std::make_unique<State>(State{domain, newMessagesLocale(), {}})) {
    TScopedLanguage::Prepare();
}

TCatalogLookup::~TCatalogLookup() {
    if (state_->messagesLocale)
        freelocale(state_->messagesLocale);
}

bool TCatalogLookup::Usable() const {
    return state_->messagesLocale != nullptr;
}

void TCatalogLookup::Use(const std::string& directory, const CatalogLocation& location,
                         TMoFile /*file*/) {
    bindtextdomain(state_->domain.c_str(), directory.c_str());
    bind_textdomain_codeset(state_->domain.c_str(), "UTF-8");
    ++_nl_msg_cat_cntr;
    state_->catalogLanguage = location.language;
}

void TCatalogLookup::Forget() {
    state_->catalogLanguage.clear();
    ++_nl_msg_cat_cntr;
}

const char* TCatalogLookup::Lookup(const std::string& key) const {
    // Naming the directory that was found, rather than the code, makes the
    // runtime load exactly the file that was checked.
    const TScopedLanguage language(state_->catalogLanguage);
    const locale_t previous = uselocale(state_->messagesLocale);
    const char* translation = dgettext(state_->domain.c_str(), key.c_str());
    uselocale(previous);
    return translation == key.c_str() ? nullptr : translation;
}

} // namespace norvane::i18n
