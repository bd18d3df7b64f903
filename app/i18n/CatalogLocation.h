#pragma once

#include <optional>
#include <string>

namespace norvane::i18n {

// Where the catalog of a language lies: its language directory's name below
// the catalog directory and the full path of the file.
struct CatalogLocation {
    std::string language;
    std::string path;
};

// <catalogDir>/<code>/LC_MESSAGES/<domain>.mo, else the same with the first
// two characters of the code; nothing for "C", "POSIX" or a code that could
// name a directory outside the catalog directory.
std::optional<CatalogLocation> FindCatalog(const std::string& catalogDir, const std::string& code,
                                           const std::string& domain);

} // namespace norvane::i18n
