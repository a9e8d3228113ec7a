// Sizes of the parts of the built-in controls, in pixels, from the platform's font.
#pragma once

#include "gdi/default_font.h"

namespace qxplatform::user {

// The height of a list row (combo box lists, scroller rows).
inline constexpr int rowHeight = fontHeight;

// The height of a combo box's field (its edit part or its selection), above the list.
inline constexpr int comboFieldHeight = fontHeight + 6;

// The width of the drop-down button at the right end of a combo box's field.
inline constexpr int comboButtonWidth = 16;

// The id of a combo box's edit part.
inline constexpr int comboEditId = 1001;

}  // namespace qxplatform::user
