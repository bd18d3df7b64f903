#include "CatalogLocation.h"

#include <filesystem>
#include <system_error>

namespace norvane::i18n {
namespace {

// The code becomes a path element, and the gettext runtime splits its
// language list at ":"; a code from a hand-edited settings file must not
// lead anywhere else.
bool usableLanguageName(const std::string& code) {
    return !code.empty() && code != "C" && code != "POSIX" && code != "." && code != ".." &&
           code.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
}

std::optional<CatalogLocation> catalogOf(const std::string& catalogDir, const std::string& language,
                                         const std::string& domain) {
    if (!usableLanguageName(language))
        return std::nullopt;
    const std::filesystem::path file =
        std::filesystem::path(catalogDir) / language / "LC_MESSAGES" / (domain + ".mo");
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    return CatalogLocation{language, file.string()};
}

} // namespace

std::optional<CatalogLocation> FindCatalog(const std::string& catalogDir, const std::string& code,
                                           const std::string& domain) {
    if (code == "C" || code == "POSIX")
        return std::nullopt;
    if (auto exact = catalogOf(catalogDir, code, domain))
        return exact;
    if (code.size() > 2)
        return catalogOf(catalogDir, code.substr(0, 2), domain);
    return std::nullopt;
}

} // namespace norvane::i18n
