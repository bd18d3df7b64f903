#pragma once

#include <string>

namespace norvane::ui {

// The picture a profile shows in the list: its IMAGE text as an integer, in the
// active form (18 further on) when its ACTIVE text is exactly "1". An IMAGE text
// that is not an integer fails with "'%s' n'est pas une valeur entière correcte".
// An integer outside the 18 icons gives -1: the item shows no picture rather
// than another profile's icon or the wrong form.
int ProfileImageIndex(const std::string& imageText, const std::string& activeText);

} // namespace norvane::ui
