// The built-in window classes and their procedures.
#pragma once

#include <windows.h>

#include <string_view>

#include "user/window.h"

namespace qxplatform::user {

LRESULT CALLBACK editProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK comboBoxProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK buttonProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK staticProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK scrollerProcedure(HWND, UINT, WPARAM, LPARAM);

extern const WindowClass dialogClass;
extern const WindowClass editClass;
extern const WindowClass comboBoxClass;
extern const WindowClass buttonClass;
extern const WindowClass staticClass;
extern const WindowClass scrollerClass;

// The class with that name (compared without regard to case), or null.
const WindowClass* findWindowClass(std::u16string_view name);

// Whether the window is of that class.
bool isOfClass(HWND window, const WindowClass& windowClass);

}  // namespace qxplatform::user
