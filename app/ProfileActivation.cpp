#include "ProfileActivation.h"

namespace norvane::ui {

// The network layer's activation is not in the build yet; until it is, the
// command shows its window and changes nothing.
void activateCurrentProfile() {}

} // namespace norvane::ui
