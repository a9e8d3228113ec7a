// Window longs: GetWindowLongPtrW, SetWindowLongPtrW and their 32-bit forms.
#include <windows.h>

#include "user/window.h"

namespace {

using namespace qxplatform::user;

// The extra-bytes slot at a byte offset, or null when the offset is not one of the class's slots.
LONG_PTR* extraSlot(Window& window, int offset) {
  if (offset < 0 || offset % static_cast<int>(sizeof(LONG_PTR)) != 0) return nullptr;
  const auto slot = static_cast<std::size_t>(offset) / sizeof(LONG_PTR);
  return slot < window.extra.size() ? &window.extra[slot] : nullptr;
}

}  // namespace

extern "C" LONG_PTR WINAPI GetWindowLongPtrW(HWND handle, int index) {
  Window* window = findWindow(handle);
  if (!window) return 0;
  switch (index) {
    case GWL_STYLE: return static_cast<LONG>(window->style);
    case GWL_EXSTYLE: return static_cast<LONG>(window->exStyle);
    case GWLP_ID: return window->id;
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_USERDATA: return window->userData;
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->procedure);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(window->isChild() ? window->parent : window->owner);
  }
  if (const LONG_PTR* slot = extraSlot(*window, index)) return *slot;
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrW(HWND handle, int index, LONG_PTR value) {
  Window* window = findWindow(handle);
  if (!window) return 0;
  LONG_PTR previous;
  switch (index) {
    case GWL_STYLE:
      previous = static_cast<LONG>(window->style);
      window->style = static_cast<DWORD>(value);
      return previous;
    case GWL_EXSTYLE:
      previous = static_cast<LONG>(window->exStyle);
      window->exStyle = static_cast<DWORD>(value);
      return previous;
    case GWLP_ID:
      previous = window->id;
      window->id = value;
      return previous;
    case GWLP_HINSTANCE:
      previous = reinterpret_cast<LONG_PTR>(window->instance);
      window->instance = reinterpret_cast<HINSTANCE>(value);
      return previous;
    case GWLP_USERDATA:
      previous = window->userData;
      window->userData = value;
      return previous;
    case GWLP_WNDPROC:
      // Subclassing: the window's messages go to the new procedure, which passes them on to the
      // previous one with CallWindowProcW.
      if (!value) break;
      previous = reinterpret_cast<LONG_PTR>(window->procedure);
      window->procedure = reinterpret_cast<WNDPROC>(value);
      return previous;
  }
  if (LONG_PTR* slot = extraSlot(*window, index)) {
    previous = *slot;
    *slot = value;
    return previous;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

extern "C" LONG WINAPI GetWindowLongW(HWND handle, int index) {
  return static_cast<LONG>(GetWindowLongPtrW(handle, index));
}

extern "C" LONG WINAPI SetWindowLongW(HWND handle, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrW(handle, index, value));
}
