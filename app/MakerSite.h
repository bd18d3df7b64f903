#pragma once

namespace norvane::ui {

// The maker's web page: opened by the main window's link, shown in the about box.
inline constexpr char MakerSiteUrl[] = "https://www.norvane.org";
inline constexpr char MakerSiteText[] = "www.norvane.org";

} // namespace norvane::ui
