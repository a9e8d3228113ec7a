// Creating a dialog from a template, for DialogBoxParamW, CreateDialogParamW and MessageBoxW.
#pragma once

#include <windows.h>

#include "kernel/dialog_resources.h"

namespace qxplatform::user {

// Creates the dialog hidden, owned by `owner` (a top-level window or null), with its controls in
// template order; the last BS_DEFPUSHBUTTON control becomes the default button. Sends
// WM_INITDIALOG (wParam: the first tab stop) and, when the procedure returns TRUE, gives the focus
// to the first tab stop. `ownerDisabled` tells the dialog that it must enable its owner when it
// ends. Returns null when the dialog or a control cannot be created, or when the dialog was
// destroyed meanwhile.
HWND createDialog(HINSTANCE instance, const DialogResource& resource, HWND owner, DLGPROC procedure,
                  LPARAM initParam, bool ownerDisabled);

}  // namespace qxplatform::user
