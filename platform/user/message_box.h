// Message boxes as the scripted user sees them.
#pragma once

#include <windows.h>

#include <string>

namespace qxplatform::user {

// Whether the window is a message box of MessageBoxW.
bool isMessageBox(HWND window);

// The text that a message box shows (its Static control's, id 0xFFFF as in Win32); empty for
// another window.
std::u16string messageBoxText(HWND box);

}  // namespace qxplatform::user
