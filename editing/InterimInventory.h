#pragma once
// INTERIM: removed once the inventory lands on main.
#include "netconfig/ListConnexion.h"
#include "netconfig/WmiQuery.h"
namespace norvane {
inline TWmiQuery* interimConfigurations = nullptr;
inline int interimConnectionCount = 0;
inline void LoadConnections(TListConnexion& list) {
    for (int i = 0; i < interimConnectionCount; ++i)
        list.Add(std::make_unique<TConnexion>());
}
} // namespace norvane
