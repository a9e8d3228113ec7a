// The Enter button of a standard dialog: which button Enter activates and how it looks.
#pragma once

#include <windows.h>

#include "dialog/standard_dialog_data.h"

namespace dsup::dialog {

// WM_DSUPENTERDEFAULT: shows the Enter button as the default button (`show`) or as a plain one.
void showEnterButtonLook(HWND dialog, const StandardDialogData& data, bool show);

// Makes `enterButtonId` the Enter button, moving the default look from the old one to it.
void changeEnterButton(HWND dialog, StandardDialogData& data, LONG enterButtonId);

}  // namespace dsup::dialog
