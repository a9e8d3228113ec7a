// Message boxes as the scripted user sees them.
#pragma once

#include <windows.h>

namespace qxplatform::user {

// Whether the window is a message box of MessageBoxW.
bool isMessageBox(HWND window);

}  // namespace qxplatform::user
