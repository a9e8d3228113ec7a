// What the dialog class keeps for each dialog (Win32's DIALOGINFO), and the dialog manager's
// helpers shared by the dialog procedure, the dialog creation and IsDialogMessageW.
#pragma once

#include <windows.h>

#include <memory>

namespace qxplatform::user {

struct DialogState {
  bool ended = false;          // EndDialog was called
  INT_PTR result = 0;          // the value given to EndDialog
  int defaultId = 0;           // DM_SETDEFID's id (at first the template's default push button)
  HWND savedFocus = nullptr;   // the control that last had the focus, given back on activation
  bool ownerDisabled = false;  // a modal dialog disabled its owner and enables it when it ends
  bool messageBox = false;     // the dialog is a message box
};

// The state of a dialog of the calling thread; null for any other window.
std::shared_ptr<DialogState> dialogState(HWND dialog);

// The dialogs around a window that receives the focus remember it as their focused control.
void noteDialogFocus(HWND focus);

// Gives the focus to a dialog control, selecting all its text when it is an edit control.
void setDialogFocus(HWND control);

// After the focus moved to `control`: a push button reached this way becomes the default button,
// and for any other control the dialog's default button gets back its default look.
void updateDefaultButton(HWND dialog, HWND control);

// DM_SETDEFID: makes the push button with that id the default one.
void setDefaultId(HWND dialog, int id);

// DM_GETDEFID's answer: MAKELONG(id, DC_HASDEFID), or 0 when there is no default push button.
LRESULT defaultIdReply(HWND dialog);

}  // namespace qxplatform::user
