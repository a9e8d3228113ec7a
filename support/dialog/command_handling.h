// WM_COMMAND in a standard dialog: field notifications, clicks, and what goes to the driver.
#pragma once

#include <windows.h>

#include "dialog/standard_dialog_data.h"

namespace dsup::dialog {

// Handles the command; returns the message's result (1, or the driver's dialog procedure's).
INT_PTR handleCommand(HWND dialog, StandardDialogData& data, WPARAM wParam, LPARAM lParam);

// Passes the message to the driver's dialog procedure; 1 without one.
INT_PTR forwardToDriver(HWND dialog, const StandardDialogData& data, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace dsup::dialog
