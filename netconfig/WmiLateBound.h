#pragma once

#include "netconfig/DispatchError.h"
#include "netconfig/platform/IDispatchObject.h"
#include "netconfig/platform/IManagementService.h"
#include "netconfig/platform/ServiceError.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace norvane {

// Late-bound calls on the management service, members called by name:
//
//   auto services = BindMoniker(*platform.managementService, "winmgmts:\\\\.\\root\\cimv2");
//   auto result = DispatchCall(*services, "ExecQuery", {Variant(wql)});
//   ForEachElement(*result.asDispatch(), [&](const Variant& object) {
//       DispatchCall(*object.asDispatch(), "SetDNSServerSearchOrder", {servers});
//   });
//
// Every failure raises EDispatchError: "Méthode '%s' non supportée par
// l'objet Automation" for an unknown name, the object's own description for
// an exception it reports, else the system's text for the code ("Erreur OLE
// %.8x" when it has none).

// The object a moniker display name stands for.
std::shared_ptr<platform::IDispatchObject> BindMoniker(platform::IManagementService& service,
                                                       const std::string& displayName);

// Calls a member as a method with positional arguments (at most 64; use
// platform::Variant::Omitted() for one left out). A call without arguments
// whose result is wanted may also read a property.
platform::Variant DispatchCall(platform::IDispatchObject& object, const std::string& name,
                               const std::vector<platform::Variant>& args = {},
                               bool wantResult = true);

// Walks a collection through its enumerator, one element at a time.
void ForEachElement(platform::IDispatchObject& collection,
                    const std::function<void(const platform::Variant&)>& visit);

// The text of a late-bound failure (used by the calls above).
EDispatchError DispatchErrorOf(const platform::ServiceError& error);

} // namespace norvane
