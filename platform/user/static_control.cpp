// The "Static" control: a text that takes neither the focus nor input.
#include <windows.h>

#include "user/window_classes.h"

namespace qxplatform::user {

LRESULT CALLBACK staticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE) return DLGC_STATIC;
  return DefWindowProcW(control, message, wParam, lParam);
}

}  // namespace qxplatform::user
