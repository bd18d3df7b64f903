#pragma once

#include "netconfig/ListConnexion.h"
#include "netconfig/platform/IIpHelper.h"

#include <string>

namespace norvane {

// The connections of this computer through the system's IP helper:
//
//   TListConnexion connections;
//   LoadConnections(*platform.ipHelper, connections);   // never raises
//
// A missing library or a failing call leaves the list as it was.
void LoadConnections(platform::IIpHelper& helper, TListConnexion& connections);

// The display name of an adapter's connection, or the empty text when it
// cannot be read.
std::string ConnectionNameOf(platform::IIpHelper& helper, const std::string& adapterName);

} // namespace norvane
