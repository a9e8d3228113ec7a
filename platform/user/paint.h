// Painting, as far as a headless platform needs it: a window marked by InvalidateRect receives
// WM_PAINT when its thread's queue holds nothing else, or at once through UpdateWindow.
#pragma once

#include <windows.h>

namespace qxplatform::user {

// The WM_PAINT message of the first visible window of the calling thread (parents before their
// children) that is marked for painting and matches the filter; false when there is none.
bool nextPaintMessage(MSG& message, HWND filter, UINT min, UINT max);

}  // namespace qxplatform::user
