#pragma once

#include "CatalogLocation.h"
#include "MoFile.h"

#include <memory>
#include <string>

namespace norvane::i18n {

// Answers lookups from the catalog the translator has found and checked.
// Where the C library has a gettext runtime, the runtime reads the file;
// elsewhere (Windows) the checked file answers itself.
class TCatalogLookup {
public:
    explicit TCatalogLookup(const std::string& domain);
    ~TCatalogLookup();
    TCatalogLookup(const TCatalogLookup&) = delete;
    TCatalogLookup& operator=(const TCatalogLookup&) = delete;

    // False when no lookup can work on this system.
    bool Usable() const;
    // Makes the checked catalog the one that answers.
    void Use(const std::string& directory, const CatalogLocation& location, TMoFile file);
    // Drops the catalog and every answer remembered from it.
    void Forget();
    // The translation of the key, or nullptr when the catalog has none. The
    // text stays valid until the next Use or Forget.
    const char* Lookup(const std::string& key) const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace norvane::i18n
