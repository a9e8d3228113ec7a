// The window's text and the default message handling: DefWindowProcW, GetWindowTextW,
// GetWindowTextLengthW, SetWindowTextW.
#include <windows.h>

#include "user/text_copy.h"
#include "user/window.h"

using namespace qxplatform::user;

extern "C" LRESULT WINAPI DefWindowProcW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = findWindow(handle);
  if (!window) return 0;
  switch (message) {
    case WM_SETTEXT:
      window->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
      return TRUE;
    case WM_GETTEXT:
      return copyText(window->text, reinterpret_cast<LPWSTR>(lParam), static_cast<long long>(wParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_PAINT:
      window->needsPaint = false;
      return 0;
    case WM_CLOSE:
      DestroyWindow(handle);
      return 0;
    default:
      return 0;
  }
}

extern "C" int WINAPI GetWindowTextW(HWND handle, LPWSTR buffer, int capacity) {
  if (!buffer || capacity <= 0 || !findWindow(handle)) return 0;
  return static_cast<int>(SendMessageW(handle, WM_GETTEXT, static_cast<WPARAM>(capacity),
                                       reinterpret_cast<LPARAM>(buffer)));
}

extern "C" int WINAPI GetWindowTextLengthW(HWND handle) {
  if (!findWindow(handle)) return 0;
  return static_cast<int>(SendMessageW(handle, WM_GETTEXTLENGTH, 0, 0));
}

extern "C" BOOL WINAPI SetWindowTextW(HWND handle, LPCWSTR text) {
  if (!findWindow(handle)) return FALSE;
  return SendMessageW(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}
