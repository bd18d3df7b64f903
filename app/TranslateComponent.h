#pragma once

class QObject;

namespace norvane::ui {

// Translates, once, every non-empty writable text of the window and of every
// object it owns, recording the source texts in the window's translation record.
void TranslateComponent(QObject* window);

// Re-translates the recorded texts when the current language differs from the
// one the window was last translated into.
void RetranslateComponent(QObject* window);

} // namespace norvane::ui
