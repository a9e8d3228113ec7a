// The per-dialog data block of a standard dialog, and how the dialog functions reach it.
//
// One block of movable global memory per running standard dialog: the sixteen fixed fields below,
// then the driver's own area (callerData) of the size it asked for. The creation function holds
// one lock on it for the dialog's whole life, so its address is stable, and the dialog window's
// DWLP_USER slot holds that address from the dialog's first message on.
#pragma once

#include <dsup.h>
#include <windows.h>

namespace dsup::dialog {

struct StandardDialogData {
  LONG ignoreChange;       // 1 while the library writes a field: its next change is not the user's
  LONG modifiedFieldId;    // the field the user changed and that is not checked yet; 0 = none
  LONG errorFieldId;       // the field with an outstanding entry error; 0 = none
  HWND focusField;         // the edit or combo box field that last received the focus
  LONG savedSelection;     // that field's EM_GETSEL answer; noSavedSelection = none
  LONG keepFocusButtonId;  // its click puts the focus back into the current field
  LONG enterButtonId;      // activated by Enter: 0 none, 1 OK itself, -1 Cancel made the default
  LONG enterDefaultAtStart;  // the Enter button looks like the default button from the start
  LONG skipFieldCheck;     // 1: the next deferred field check is skipped
  LONG commandsEnabled;    // 0: command messages are swallowed
  LONG permissionNumber;   // above 0: the permission that makes the dialog editable
  DSupMessageHook messageHook;
  DSupFieldCheckProc fieldCheckProc;
  DSupCommandProc commandProc;
  DSupFieldChangeProc fieldChangeProc;
  DLGPROC dialogProc;
  // callerData follows.
};

#if DSUP_32BIT_LAYOUT
static_assert(sizeof(StandardDialogData) == 64, "sixteen 32-bit fields in the 32-bit build");
#endif

inline constexpr LONG noSavedSelection = -1;

// The driver's area behind the fixed fields.
inline BYTE* callerDataOf(StandardDialogData* data) { return reinterpret_cast<BYTE*>(data + 1); }

// The data block of the standard dialog `dialog`, or null when the window is not a running
// standard dialog bound to its block (any other window, or a dialog before its first message).
StandardDialogData* standardDialogData(HWND dialog);

}  // namespace dsup::dialog
