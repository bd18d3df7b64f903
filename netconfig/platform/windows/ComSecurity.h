#pragma once

#include <unknwn.h>

namespace norvane::platform::windows {

// Initialises COM for an apartment-threaded caller and sets the process's
// COM security the first time a thread asks; cheap to repeat.
void InitializeComForThread();

// The impersonation level the service may use on our behalf through this
// proxy. An in-process object has no proxy and needs none.
void SetImpersonation(IUnknown* proxy, DWORD level);

} // namespace norvane::platform::windows
