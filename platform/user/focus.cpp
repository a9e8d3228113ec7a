// Focus and activation: SetFocus, GetFocus, SetActiveWindow, GetActiveWindow (focus.h).
#include "user/focus.h"

#include "sim/trace_recorder.h"
#include "user/dialog_state.h"
#include "user/thread_state.h"
#include "user/window.h"

namespace qxplatform::user {

HWND changeFocus(HWND handle) {
  ThreadState& thread = thisThread();
  const HWND previous = thread.focus;
  if (previous == handle) return previous;
  thread.focus = handle;
  const Window* window = lookUpWindow(handle);
  recordFocusChange(previous, handle, window && window->isChild() ? static_cast<int>(window->id) : 0);
  if (handle) noteDialogFocus(handle);
  if (previous && lookUpWindow(previous)) {
    SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    if (thisThread().focus != handle) return previous;  // the handler moved the focus on
  }
  if (handle && lookUpWindow(handle)) SendMessageW(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND changeActiveWindow(HWND handle) {
  const HWND previous = thisThread().active;
  if (previous == handle) return previous;
  if (previous && lookUpWindow(previous))
    SendMessageW(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(handle));
  if (handle && !lookUpWindow(handle)) handle = nullptr;
  thisThread().active = handle;
  if (handle) SendMessageW(handle, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
  const ThreadState& now = thisThread();
  if (now.active == handle) {
    if (!handle)
      changeFocus(nullptr);
    else if (!now.focus || topLevelOf(now.focus) != handle)
      changeFocus(handle);
  }
  return previous;
}

void activateOther(HWND leaving) {
  auto usable = [leaving](HWND candidate) {
    return candidate && candidate != leaving && lookUpWindow(candidate) && IsWindowVisible(candidate) &&
           IsWindowEnabled(candidate);
  };
  const Window* window = lookUpWindow(leaving);
  HWND next = window && usable(window->owner) ? window->owner : nullptr;
  if (!next)
    for (HWND top : topLevelWindows())
      if (usable(top)) {
        next = top;
        break;
      }
  changeActiveWindow(next);
}

void forgetFocusOf(HWND handle) {
  ThreadState& thread = thisThread();
  if (thread.focus == handle) thread.focus = nullptr;
  if (thread.active == handle) thread.active = nullptr;
}

}  // namespace qxplatform::user

using namespace qxplatform::user;

extern "C" HWND WINAPI SetFocus(HWND handle) {
  if (!handle) return changeFocus(nullptr);
  if (!findWindow(handle)) return nullptr;
  if (handle == thisThread().focus) return handle;
  for (const Window* window = lookUpWindow(handle); window;
       window = window->isChild() ? lookUpWindow(window->parent) : nullptr) {
    if (window->style & WS_DISABLED) return nullptr;
  }
  const HWND top = topLevelOf(handle);
  if (top != thisThread().active) {
    changeActiveWindow(top);
    if (!lookUpWindow(handle) || topLevelOf(handle) != thisThread().active) return nullptr;
  }
  return changeFocus(handle);
}

extern "C" HWND WINAPI GetFocus(void) { return thisThread().focus; }

extern "C" HWND WINAPI SetActiveWindow(HWND handle) {
  if (handle) {
    if (!findWindow(handle)) return nullptr;
    handle = topLevelOf(handle);
  }
  return changeActiveWindow(handle);
}

extern "C" HWND WINAPI GetActiveWindow(void) { return thisThread().active; }
