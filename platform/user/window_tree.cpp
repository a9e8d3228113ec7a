// Relations between windows: GetParent, GetWindow, GetTopWindow, IsChild, GetClassNameW.
#include <windows.h>

#include <algorithm>

#include "user/text_copy.h"
#include "user/window.h"

namespace {

using namespace qxplatform::user;

// The windows among which the window stands in z-order: its parent's children, or the top-level
// windows.
std::vector<HWND> siblingsOf(const Window& window) {
  if (!window.isChild()) return topLevelWindows();
  const Window* parent = lookUpWindow(window.parent);
  return parent ? parent->children : std::vector<HWND>{};
}

HWND neighbour(const Window& window, int step) {
  const std::vector<HWND> siblings = siblingsOf(window);
  auto it = std::find(siblings.begin(), siblings.end(), window.handle);
  if (it == siblings.end()) return nullptr;
  const auto index = (it - siblings.begin()) + step;
  return index >= 0 && index < static_cast<std::ptrdiff_t>(siblings.size()) ? siblings[index] : nullptr;
}

}  // namespace

extern "C" HWND WINAPI GetParent(HWND handle) {
  const Window* window = findWindow(handle);
  if (!window) return nullptr;
  if (window->isChild()) return window->parent;
  return (window->style & WS_POPUP) ? window->owner : nullptr;
}

extern "C" HWND WINAPI GetWindow(HWND handle, UINT relation) {
  const Window* window = findWindow(handle);
  if (!window) return nullptr;
  switch (relation) {
    case GW_OWNER:
      return window->isChild() ? nullptr : window->owner;
    case GW_CHILD:
      return window->children.empty() ? nullptr : window->children.front();
    case GW_HWNDNEXT:
      return neighbour(*window, 1);
    case GW_HWNDPREV:
      return neighbour(*window, -1);
    case GW_HWNDFIRST:
    case GW_HWNDLAST: {
      const std::vector<HWND> siblings = siblingsOf(*window);
      if (siblings.empty()) return nullptr;
      return relation == GW_HWNDFIRST ? siblings.front() : siblings.back();
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

extern "C" HWND WINAPI GetTopWindow(HWND handle) {
  if (handle) return GetWindow(handle, GW_CHILD);
  const std::vector<HWND> tops = topLevelWindows();
  return tops.empty() ? nullptr : tops.front();
}

extern "C" BOOL WINAPI IsChild(HWND parent, HWND handle) {
  return parent != handle && lookUpWindow(parent) && isSelfOrDescendant(parent, handle);
}

extern "C" int WINAPI GetClassNameW(HWND handle, LPWSTR buffer, int capacity) {
  const Window* window = findWindow(handle);
  if (!window) return 0;
  return copyText(window->windowClass->name, buffer, capacity);
}
