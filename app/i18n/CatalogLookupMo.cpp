#include "CatalogLookup.h"

#include <optional>

namespace norvane::i18n {

// Without a gettext runtime the catalog that was read and checked answers
// itself; it is read once per language selection.
struct TCatalogLookup::State {
    std::optional<TMoFile> catalog;
};

TCatalogLookup::TCatalogLookup(const std::string& /*domain*/) : state_(std::make_unique<State>()) {}

TCatalogLookup::~TCatalogLookup() = default;

bool TCatalogLookup::Usable() const {
    return true;
}

void TCatalogLookup::Use(const std::string& /*directory*/, const CatalogLocation& /*location*/,
                         TMoFile file) {
    state_->catalog.emplace(std::move(file));
}

void TCatalogLookup::Forget() {
    state_->catalog.reset();
}

const char* TCatalogLookup::Lookup(const std::string& key) const {
    if (!state_->catalog)
        return nullptr;
    const std::string* translation = state_->catalog->Find(key);
    return translation ? translation->c_str() : nullptr;
}

} // namespace norvane::i18n
