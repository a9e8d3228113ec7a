// Visibility, enabled state and size: ShowWindow, IsWindowVisible, EnableWindow,
// IsWindowEnabled, GetClientRect.
#include <windows.h>

#include "user/focus.h"
#include "user/thread_state.h"
#include "user/window.h"

namespace {

using namespace qxplatform::user;

bool focusIsInside(HWND window) {
  const HWND focus = thisThread().focus;
  return focus && isSelfOrDescendant(window, focus);
}

// A window that was just hidden gives the focus to its parent and the activation to another.
void leaveHiddenWindow(HWND handle) {
  if (focusIsInside(handle)) {
    const Window* window = lookUpWindow(handle);
    SetFocus(window && window->isChild() ? window->parent : nullptr);
    if (focusIsInside(handle)) changeFocus(nullptr);
  }
  if (thisThread().active == handle) activateOther(handle);
}

}  // namespace

extern "C" BOOL WINAPI ShowWindow(HWND handle, int command) {
  Window* window = findWindow(handle);
  if (!window) return FALSE;
  const bool wasVisible = (window->style & WS_VISIBLE) != 0;
  const bool show = command != SW_HIDE;
  const bool activate = show && !window->isChild() && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE;
  if (show != wasVisible) {
    SendMessageW(handle, WM_SHOWWINDOW, show, 0);
    window = lookUpWindow(handle);
    if (!window) return wasVisible;
    if (show) {
      window->style |= WS_VISIBLE;
    } else {
      window->style &= ~WS_VISIBLE;
      leaveHiddenWindow(handle);
    }
  }
  if (activate && lookUpWindow(handle) && thisThread().active != handle) changeActiveWindow(handle);
  return wasVisible;
}

extern "C" BOOL WINAPI IsWindowVisible(HWND handle) {
  const Window* window = findWindow(handle);
  for (; window; window = window->isChild() ? lookUpWindow(window->parent) : nullptr) {
    if (!(window->style & WS_VISIBLE)) return FALSE;
    if (!window->isChild()) return TRUE;
  }
  return FALSE;
}

extern "C" BOOL WINAPI EnableWindow(HWND handle, BOOL enable) {
  Window* window = findWindow(handle);
  if (!window) return FALSE;
  const bool wasDisabled = (window->style & WS_DISABLED) != 0;
  if (enable && wasDisabled) {
    window->style &= ~WS_DISABLED;
    SendMessageW(handle, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    window->style |= WS_DISABLED;
    if (thisThread().focus == handle) SetFocus(nullptr);  // a disabled window cannot have the focus
    SendMessageW(handle, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}

extern "C" BOOL WINAPI IsWindowEnabled(HWND handle) {
  const Window* window = findWindow(handle);
  return window && !(window->style & WS_DISABLED);
}

extern "C" BOOL WINAPI GetClientRect(HWND handle, LPRECT rect) {
  const Window* window = findWindow(handle);
  if (!window || !rect) return FALSE;
  *rect = RECT{0, 0, window->width, window->height};
  return TRUE;
}
