// The objects behind window handles: the window table of the user interface layer.
//
// A window belongs to the thread that created it, and only that thread reads or changes its
// fields; the table itself (insertion, lookup, removal) and the list of top-level windows are
// guarded, so that IsWindow and PostMessageW work from any thread. A Window pointer stays valid
// until a window procedure runs (which may destroy windows): code that calls one looks the window
// up again afterwards.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace qxplatform::user {

// A window class: one of the built-in (system) classes, or one registered by a module.
struct WindowClass {
  std::u16string name;  // as GetClassNameW reports it
  WNDPROC procedure;
  std::size_t extraBytes;    // window longs at offsets 0, 8, ... (dialogs: DWLP_*)
  UINT style = CS_DBLCLKS;   // CS_* (the built-in classes take double clicks, as in Win32)
  HINSTANCE instance = nullptr;  // the registering module; null for the built-in classes
};

struct Window {
  HWND handle = nullptr;
  const WindowClass* windowClass = nullptr;
  WNDPROC procedure = nullptr;  // the class's procedure, or the one that subclassed the window
  std::thread::id thread;
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  HINSTANCE instance = nullptr;
  LONG_PTR userData = 0;
  std::u16string text;
  HWND parent = nullptr;        // of a child window
  HWND owner = nullptr;         // of a top-level window
  std::vector<HWND> children;   // in z-order, top first: creation order
  int x = 0, y = 0, width = 0, height = 0;
  std::vector<LONG_PTR> extra;  // the class's extra bytes
  bool needsPaint = false;
  bool destroying = false;
  std::shared_ptr<void> classData;  // the state of the class's procedure

  bool isChild() const { return (style & WS_CHILD) != 0; }
};

// The window of the calling thread that the handle names; null otherwise, with the last error set
// to ERROR_INVALID_WINDOW_HANDLE or ERROR_WINDOW_OF_OTHER_THREAD.
Window* findWindow(HWND handle);

// The same without setting the last error (for internal checks).
Window* lookUpWindow(HWND handle);

// The thread of a window, from any thread; false when the handle names no window.
bool windowThread(HWND handle, std::thread::id& thread);

// Takes the window into the table and returns its handle (null when the table is full).
HWND insertWindow(std::unique_ptr<Window> window);

// Removes the window from the table and the top-level list and frees it.
void eraseWindow(HWND handle);

// Whether any window of the class exists, on any thread.
bool classHasWindows(const WindowClass* windowClass);

// Top-level windows in z-order (the newest first); addTopLevel puts a new one at the top.
std::vector<HWND> topLevelWindows();
void addTopLevel(HWND handle);

// The class data of the window, as the class's procedure stored it; null for another window. The
// shared pointer keeps the data alive while a procedure uses it, even when the window goes.
template <class T>
std::shared_ptr<T> classData(HWND handle) {
  Window* window = lookUpWindow(handle);
  return window ? std::static_pointer_cast<T>(window->classData) : nullptr;
}

// The top-level window that contains the window (the window itself when it is top-level).
HWND topLevelOf(HWND handle);

// Whether `window` is `ancestor` or one of its descendants.
bool isSelfOrDescendant(HWND ancestor, HWND window);

// Sends WM_COMMAND with the control's id and the code to the control's parent.
void notifyParent(HWND control, WORD code);

}  // namespace qxplatform::user
