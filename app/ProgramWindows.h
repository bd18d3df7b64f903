#pragma once

namespace norvane::ui {

// Creates the main window, the data module, the profile editor, the
// please-wait window and the about box, in that order: each may rely on the
// ones before it (the editor reads the adapters from the data module).
void CreateProgramWindows();

// Destroys them: the windows first, while the data they show still exists,
// then the data module, which saves the profile table if it changed.
void DestroyProgramWindows();

} // namespace norvane::ui
