#pragma once

namespace norvane::ui {

// The routine that applies the profile table's current row to its network
// connection, marks it as the only active profile and refreshes the main
// window's list. Kept apart so the windows do not depend on how it is done.
void activateCurrentProfile();

} // namespace norvane::ui
