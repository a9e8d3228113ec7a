// Creating and destroying windows: CreateWindowExW, DestroyWindow, IsWindow.
#include <windows.h>

#include <memory>

#include "user/focus.h"
#include "user/thread_state.h"
#include "user/window.h"
#include "user/window_classes.h"

namespace {

using namespace qxplatform::user;

int sizeOrZero(int value) { return value == CW_USEDEFAULT ? 0 : value; }

// Takes a window and its children out of the table, without messages: what they hold of the
// focus and the activation goes, and so do the messages queued for them.
void release(HWND handle) {
  Window* window = lookUpWindow(handle);
  if (!window) return;
  const std::vector<HWND> children = window->children;
  for (HWND child : children) release(child);
  dropQueuedMessages(handle);
  forgetFocusOf(handle);
  window = lookUpWindow(handle);
  if (window->isChild())
    if (Window* parent = lookUpWindow(window->parent)) std::erase(parent->children, handle);
  eraseWindow(handle);
}

// WM_DESTROY to the window, then to its children.
void sendDestroy(HWND handle) {
  SendMessageW(handle, WM_DESTROY, 0, 0);
  const Window* window = lookUpWindow(handle);
  if (!window) return;
  const std::vector<HWND> children = window->children;
  for (HWND child : children)
    if (lookUpWindow(child)) sendDestroy(child);
}

}  // namespace

extern "C" HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                                       int x, int y, int width, int height, HWND parent, HMENU menu,
                                       HINSTANCE instance, LPVOID param) {
  const WindowClass* windowClass =
      className && !IS_INTRESOURCE(className) ? findWindowClass(className, instance) : nullptr;
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  const bool child = (style & WS_CHILD) != 0;
  if (child && !parent) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }
  if (parent && !findWindow(parent)) return nullptr;

  auto window = std::make_unique<Window>();
  window->windowClass = windowClass;
  window->procedure = windowClass->procedure;
  window->thread = std::this_thread::get_id();
  window->style = style & ~WS_VISIBLE;  // shown once created
  window->exStyle = exStyle;
  window->instance = instance;
  window->text = windowName ? windowName : u"";
  window->x = sizeOrZero(x);
  window->y = sizeOrZero(y);
  window->width = sizeOrZero(width);
  window->height = sizeOrZero(height);
  window->extra.assign(windowClass->extraBytes / sizeof(LONG_PTR), 0);
  if (child) {
    window->parent = parent;
    window->id = reinterpret_cast<LONG_PTR>(menu);
  } else {
    window->owner = parent ? topLevelOf(parent) : nullptr;
  }
  const HWND handle = insertWindow(std::move(window));
  if (!handle) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (child)
    lookUpWindow(parent)->children.push_back(handle);
  else
    addTopLevel(handle);

  CREATESTRUCTW create{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style), windowName,
                       className, exStyle};
  if (SendMessageW(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    release(handle);
    return nullptr;
  }
  if ((style & WS_VISIBLE) && lookUpWindow(handle)) ShowWindow(handle, SW_SHOW);
  return lookUpWindow(handle) ? handle : nullptr;
}

extern "C" BOOL WINAPI DestroyWindow(HWND handle) {
  Window* window = findWindow(handle);
  if (!window) return FALSE;
  if (window->destroying) return TRUE;
  window->destroying = true;
  if (window->style & WS_VISIBLE) ShowWindow(handle, SW_HIDE);
  if (!lookUpWindow(handle)) return TRUE;
  if (thisThread().active == handle) activateOther(handle);
  for (HWND top : topLevelWindows()) {
    const Window* owned = lookUpWindow(top);
    if (owned && owned->owner == handle) DestroyWindow(top);
  }
  if (!lookUpWindow(handle)) return TRUE;
  sendDestroy(handle);
  release(handle);
  return TRUE;
}

extern "C" BOOL WINAPI IsWindow(HWND handle) {
  std::thread::id thread;
  return windowThread(handle, thread) ? TRUE : FALSE;
}
