// The window table (window.h) and the inventory of live windows.
#include <algorithm>
#include <mutex>

#include "kernel/handle_table.h"
#include "sim/inventory.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

struct WindowTable {
  std::mutex mutex;
  HandleTable<Window> windows{HandleKind::window};
  std::vector<HWND> topLevel;
};

WindowTable& table() {
  static WindowTable* instance = new WindowTable;  // never destroyed: used until the process ends
  return *instance;
}

std::uintptr_t valueOf(HWND handle) { return reinterpret_cast<std::uintptr_t>(handle); }

}  // namespace

Window* lookUpWindow(HWND handle) {
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  Window* window = t.windows.find(valueOf(handle));
  return window && window->thread == std::this_thread::get_id() ? window : nullptr;
}

Window* findWindow(HWND handle) {
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  Window* window = t.windows.find(valueOf(handle));
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (window->thread != std::this_thread::get_id()) {
    SetLastError(ERROR_WINDOW_OF_OTHER_THREAD);
    return nullptr;
  }
  return window;
}

bool windowThread(HWND handle, std::thread::id& thread) {
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  const Window* window = t.windows.find(valueOf(handle));
  if (!window) return false;
  thread = window->thread;
  return true;
}

HWND insertWindow(std::unique_ptr<Window> window) {
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  Window* object = window.get();
  const std::uintptr_t value = t.windows.insert(std::move(window));
  if (!value) return nullptr;
  object->handle = reinterpret_cast<HWND>(value);
  return object->handle;
}

void eraseWindow(HWND handle) {
  std::unique_ptr<Window> freed;  // released after the mutex
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  freed = t.windows.erase(valueOf(handle));
  std::erase(t.topLevel, handle);
}

bool classHasWindows(const WindowClass* windowClass) {
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  bool found = false;
  t.windows.forEach([&](const Window& window) { found = found || window.windowClass == windowClass; });
  return found;
}

std::vector<HWND> topLevelWindows() {
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  return t.topLevel;
}

void addTopLevel(HWND handle) {
  WindowTable& t = table();
  std::lock_guard lock(t.mutex);
  t.topLevel.insert(t.topLevel.begin(), handle);
}

HWND topLevelOf(HWND handle) {
  Window* window = lookUpWindow(handle);
  while (window && window->isChild()) window = lookUpWindow(window->parent);
  return window ? window->handle : nullptr;
}

bool isSelfOrDescendant(HWND ancestor, HWND handle) {
  if (!ancestor) return false;
  for (Window* window = lookUpWindow(handle); window;
       window = window->isChild() ? lookUpWindow(window->parent) : nullptr) {
    if (window->handle == ancestor) return true;
  }
  return false;
}

void notifyParent(HWND control, WORD code) {
  const Window* window = lookUpWindow(control);
  if (!window || !window->isChild()) return;
  const HWND parent = window->parent;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(window->id, code), reinterpret_cast<LPARAM>(control));
}

}  // namespace qxplatform::user

namespace sim {

std::size_t liveWindows() {
  auto& t = qxplatform::user::table();
  std::lock_guard lock(t.mutex);
  return t.windows.size();
}

}  // namespace sim
