// The window procedure of the scroller class.
#pragma once

#include <windows.h>

namespace qxscroller {

LRESULT CALLBACK scrollerProcedure(HWND scroller, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qxscroller
