// The built-in window classes, and RegisterClassW and UnregisterClassW (window_classes.h).
#include "user/window_classes.h"

#include <memory>
#include <mutex>
#include <vector>

#include "user/text_compare.h"

namespace qxplatform::user {

// A dialog's extra bytes hold DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER.
const WindowClass dialogClass{u"#32770", DefDlgProcW, DWLP_USER + sizeof(LONG_PTR)};
const WindowClass editClass{u"Edit", editProcedure, 0};
const WindowClass comboBoxClass{u"ComboBox", comboBoxProcedure, 0};
const WindowClass buttonClass{u"Button", buttonProcedure, 0};
const WindowClass staticClass{u"Static", staticProcedure, 0};

namespace {

// The classes that modules registered, process-wide as in Win32.
struct ClassRegistry {
  std::mutex mutex;
  std::vector<std::unique_ptr<WindowClass>> classes;
};

ClassRegistry& registry() {
  static ClassRegistry* instance = new ClassRegistry;  // never destroyed: libraries unregister at unload
  return *instance;
}

bool isGlobal(const WindowClass& windowClass) { return (windowClass.style & CS_GLOBALCLASS) != 0; }

// The registered class of that name that `instance` registered (any, or only global ones).
const WindowClass* findRegistered(const ClassRegistry& classes, std::u16string_view name, HINSTANCE instance,
                                  bool global) {
  for (const auto& registered : classes.classes) {
    if (!equalIgnoringCase(registered->name, name) || isGlobal(*registered) != global) continue;
    if (global || registered->instance == instance) return registered.get();
  }
  return nullptr;
}

}  // namespace

const WindowClass* findWindowClass(std::u16string_view name, HINSTANCE instance) {
  {
    ClassRegistry& classes = registry();
    std::lock_guard lock(classes.mutex);
    if (const WindowClass* local = findRegistered(classes, name, instance, false)) return local;
    if (const WindowClass* global = findRegistered(classes, name, instance, true)) return global;
  }
  for (const WindowClass* windowClass : {&dialogClass, &editClass, &comboBoxClass, &buttonClass, &staticClass}) {
    if (equalIgnoringCase(windowClass->name, name)) return windowClass;
  }
  return nullptr;
}

bool isOfClass(HWND handle, const WindowClass& windowClass) {
  const Window* window = lookUpWindow(handle);
  return window && window->windowClass == &windowClass;
}

}  // namespace qxplatform::user

using namespace qxplatform::user;

extern "C" ATOM WINAPI RegisterClassW(const WNDCLASSW* description) {
  if (!description || !description->lpfnWndProc || !description->lpszClassName ||
      IS_INTRESOURCE(description->lpszClassName) || description->cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::u16string_view name = description->lpszClassName;
  ClassRegistry& classes = registry();
  std::lock_guard lock(classes.mutex);
  // A module may not register a local name twice, and a global name exists once in the process.
  const bool global = (description->style & CS_GLOBALCLASS) != 0;
  for (const auto& registered : classes.classes) {
    if (equalIgnoringCase(registered->name, name) && isGlobal(*registered) == global &&
        (global || registered->instance == description->hInstance)) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return 0;
    }
  }
  const auto slotBytes = sizeof(LONG_PTR);
  const auto extraBytes = (static_cast<std::size_t>(description->cbWndExtra) + slotBytes - 1) / slotBytes * slotBytes;
  classes.classes.push_back(std::make_unique<WindowClass>(WindowClass{
      std::u16string(name), description->lpfnWndProc, extraBytes, description->style, description->hInstance}));
  // Class atoms of registered classes lie from 0xC000 on.
  static ATOM nextAtom = 0xC000;
  const ATOM atom = nextAtom;
  nextAtom = nextAtom == 0xFFFF ? 0xC000 : static_cast<ATOM>(nextAtom + 1);
  return atom;
}

extern "C" BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance) {
  if (!className || IS_INTRESOURCE(className)) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  const std::u16string_view name = className;
  ClassRegistry& classes = registry();
  std::lock_guard lock(classes.mutex);
  for (auto it = classes.classes.begin(); it != classes.classes.end(); ++it) {
    if (!equalIgnoringCase((*it)->name, name) || (*it)->instance != instance) continue;
    if (classHasWindows(it->get())) {
      SetLastError(ERROR_CLASS_HAS_WINDOWS);
      return FALSE;
    }
    classes.classes.erase(it);
    return TRUE;
  }
  SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
  return FALSE;
}
