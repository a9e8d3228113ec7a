// The read-only mode of standard dialogs whose permission the current user lacks.
#pragma once

#include <windows.h>

#include "dialog/standard_dialog_data.h"

namespace dsup::dialog {

// After WM_INITDIALOG: when the dialog is read-only, every control is disabled but OK, Cancel,
// 8191 and the Enter button.
void applyReadOnlyMode(HWND dialog, const StandardDialogData& data);

}  // namespace dsup::dialog
