#pragma once

namespace norvane::ui {

// Whether the desktop offers a notification area at this moment.
bool TrayAreaAvailable();

} // namespace norvane::ui
