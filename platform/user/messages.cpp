// SendMessageW, DispatchMessageW and CallWindowProcW: calling a window's procedure.
#include <windows.h>

#include "user/window.h"

using namespace qxplatform::user;

extern "C" LRESULT WINAPI SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = findWindow(handle);
  if (!window) return 0;
  return window->procedure(handle, message, wParam, lParam);
}

extern "C" LRESULT WINAPI DispatchMessageW(const MSG* message) {
  if (!message || !message->hwnd) return 0;
  Window* window = findWindow(message->hwnd);
  if (!window) return 0;
  const LRESULT result = window->procedure(message->hwnd, message->message, message->wParam,
                                                        message->lParam);
  // A window that did not validate itself on WM_PAINT would be painted for ever.
  if (message->message == WM_PAINT)
    if (Window* painted = lookUpWindow(message->hwnd)) painted->needsPaint = false;
  return result;
}

extern "C" LRESULT WINAPI CallWindowProcW(WNDPROC procedure, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return procedure ? procedure(handle, message, wParam, lParam) : 0;
}
