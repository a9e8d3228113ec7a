// Dialog units to pixels, with the base units of the platform's font: 4 horizontal units are one
// average character width, 8 vertical units one character height.
#pragma once

#include "gdi/default_font.h"

namespace qxplatform::user {

inline int horizontalPixels(int dialogUnits) { return dialogUnits * fontAverageCharWidth / 4; }
inline int verticalPixels(int dialogUnits) { return dialogUnits * fontHeight / 8; }

}  // namespace qxplatform::user
