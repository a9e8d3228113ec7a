// The module instance recorded with a dialog window: the module whose texts are the dialog's own
// (its field texts, the framing messages of its field checks, its timetable messages).
#pragma once

#include <windows.h>

namespace dsup::dialog {

inline HINSTANCE dialogInstance(HWND dialog) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
}

}  // namespace dsup::dialog
