// The loop of a modal dialog or message box, shared by DialogBoxParamW and MessageBoxW.
#pragma once

#include <windows.h>

namespace qxplatform::user {

// Runs the dialog modally until EndDialog, then destroys it and returns EndDialog's value. The
// dialog is shown when its queue first goes empty; whenever the queue is empty afterwards, the
// thread's input source acts. When it has nothing to do, or when the dialog handles a flood of
// messages without ever going idle, the failure is recorded and the dialog ends with
// `failureResult`, which is also the result for a dialog destroyed without EndDialog.
INT_PTR runModalLoop(HWND dialog, INT_PTR failureResult);

}  // namespace qxplatform::user
