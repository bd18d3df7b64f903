#pragma once

#include "netconfig/Connexion.h"

#include <memory>
#include <vector>

namespace norvane {

// The connections LoadConnections found, in the helper's order. The list owns
// its entries.
class TListConnexion {
public:
    void Add(std::unique_ptr<TConnexion> connexion) { items_.push_back(std::move(connexion)); }
    int Count() const { return static_cast<int>(items_.size()); }
    const TConnexion& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TConnexion>> items_;
};

} // namespace norvane
