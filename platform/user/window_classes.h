// The window classes: the built-in ones with their procedures, and those that modules register.
#pragma once

#include <windows.h>

#include <string_view>

#include "user/window.h"

namespace qxplatform::user {

LRESULT CALLBACK editProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK comboBoxProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK buttonProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK staticProcedure(HWND, UINT, WPARAM, LPARAM);

extern const WindowClass dialogClass;
extern const WindowClass editClass;
extern const WindowClass comboBoxClass;
extern const WindowClass buttonClass;
extern const WindowClass staticClass;

// The class that a window created with `instance` gets for the name (compared without regard to
// case), looked for as Win32 does: the classes that `instance` registered without
// CS_GLOBALCLASS, then those registered with it, then the built-in ones. Null when there is none.
// A registered class stays valid while it has windows (UnregisterClassW refuses it then).
const WindowClass* findWindowClass(std::u16string_view name, HINSTANCE instance);

// Whether the window is of that class.
bool isOfClass(HWND window, const WindowClass& windowClass);

}  // namespace qxplatform::user
