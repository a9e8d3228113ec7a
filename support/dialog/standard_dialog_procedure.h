// The dialog procedure of every standard dialog.
#pragma once

#include <windows.h>

namespace dsup::dialog {

INT_PTR CALLBACK StandardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dsup::dialog
