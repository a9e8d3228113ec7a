// InvalidateRect, UpdateWindow and the WM_PAINT messages of the queue (paint.h).
#include "user/paint.h"

#include <vector>

#include "user/message_filter.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

bool findInTree(HWND handle, MSG& message, HWND filter) {
  Window* window = lookUpWindow(handle);
  if (!window || !(window->style & WS_VISIBLE)) return false;
  if (window->needsPaint && matchesWindow(handle, filter)) {
    message = MSG{handle, WM_PAINT, 0, 0, GetTickCount(), POINT{0, 0}};
    return true;
  }
  for (HWND child : window->children)
    if (findInTree(child, message, filter)) return true;
  return false;
}

}  // namespace

bool nextPaintMessage(MSG& message, HWND filter, UINT min, UINT max) {
  if (!inRange(WM_PAINT, min, max) || filter == threadMessagesOnly) return false;
  for (HWND top : topLevelWindows())
    if (findInTree(top, message, filter)) return true;
  return false;
}

}  // namespace qxplatform::user

using namespace qxplatform::user;

extern "C" BOOL WINAPI InvalidateRect(HWND handle, const RECT*, BOOL) {
  Window* window = findWindow(handle);
  if (!window) return FALSE;
  window->needsPaint = true;
  return TRUE;
}

extern "C" BOOL WINAPI UpdateWindow(HWND handle) {
  if (!findWindow(handle)) return FALSE;
  if (!IsWindowVisible(handle) || !lookUpWindow(handle)->needsPaint) return TRUE;
  SendMessageW(handle, WM_PAINT, 0, 0);
  if (Window* window = lookUpWindow(handle)) window->needsPaint = false;
  return TRUE;
}
