#include "dialog/field_checking.h"

#include "dialog/control_class.h"
#include "dialog/dialog_instance.h"

namespace dsup::dialog {

namespace {

// The message ranges that the deferred check lets settle: everything but keyboard input (0x100 to
// 0x108) and mouse input (0x200 to 0x20D), which stay queued for after the check.
struct MessageRange {
  UINT first, last;
};
constexpr MessageRange settlingRanges[] = {{0x0000, 0x00FF}, {0x0109, 0x01FF}, {0x020E, 0xFFFF}};

// A queue that never runs dry (a window that posts itself a message for every one it handles)
// must not hold the user's dialog forever: after this many messages the check goes on.
constexpr int mostSettlingMessages = 10000;

bool dispatchOneSettlingMessage() {
  MSG message;
  for (const MessageRange& range : settlingRanges) {
    if (PeekMessageW(&message, nullptr, range.first, range.last, PM_REMOVE | PM_NOYIELD)) {
      DispatchMessageW(&message);
      return true;
    }
  }
  return false;
}

LONG selectionOf(HWND field) { return static_cast<LONG>(SendMessageW(field, EM_GETSEL, 0, 0)); }

bool isCheckFreeFocus(HWND dialog, HWND focus) {
  if (!focus) return false;
  return focus == GetDlgItem(dialog, IDC_CHECK_FREE) || focus == GetDlgItem(dialog, IDCANCEL) ||
         isCheckFreeButtonId(GetWindowLongPtrW(focus, GWLP_ID));
}

HINSTANCE instanceOf(HWND window) {
  return window ? dialogInstance(window) : nullptr;
}

}  // namespace

void checkModifiedField(HWND dialog, StandardDialogData& data, FieldCheckReason reason, int focusId) {
  const LONG fieldId = data.modifiedFieldId;
  data.modifiedFieldId = 0;
  if (data.fieldCheckProc) data.fieldCheckProc(dialog, reason, fieldId, focusId);
}

void handleFieldChange(HWND dialog, StandardDialogData& data, int id) {
  if (data.ignoreChange) {
    data.ignoreChange = 0;
    return;
  }
  data.modifiedFieldId = id;
  if (data.fieldChangeProc) data.fieldChangeProc(dialog, id);
}

void handleFieldFocus(HWND dialog, StandardDialogData& data, int id) {
  const HWND field = GetDlgItem(dialog, id);
  const bool otherField = field != data.focusField;
  data.focusField = field;
  if (data.savedSelection == noSavedSelection) data.savedSelection = selectionOf(field);
  if (data.errorFieldId == id) {
    // Back in the field in error: leaving it checks it anew.
    data.modifiedFieldId = id;
    data.errorFieldId = 0;
    data.skipFieldCheck = 0;
  } else if (data.modifiedFieldId != 0 && data.modifiedFieldId != id) {
    checkModifiedField(dialog, data, checkOnOtherField, id);
  }
  if (data.errorFieldId != 0) return;
  if (field && isMultiLine(field)) {
    const LONG selection = selectionOf(field);
    if (otherField && LOWORD(selection) != HIWORD(selection)) SendMessageW(field, EM_SETSEL, 0, 0);
    PostMessageW(dialog, WM_DSUPENTERDEFAULT, 0, 0);  // Enter makes a new line in the field
  } else {
    PostMessageW(dialog, WM_DSUPENTERDEFAULT, 1, 0);
  }
}

void runDeferredFieldCheck(HWND dialog, StandardDialogData& data, int id, HWND field) {
  // Let the focus change settle, so that the field that now has the focus has been told.
  for (int handled = 0; handled < mostSettlingMessages && dispatchOneSettlingMessage(); ++handled) {
  }
  const HWND focus = GetFocus();
  if (data.skipFieldCheck) {
    data.skipFieldCheck = 0;
    return;
  }
  if (isMultiLine(field)) PostMessageW(dialog, WM_DSUPENTERDEFAULT, 1, 0);
  data.savedSelection = selectionOf(field);
  if (data.modifiedFieldId != id) return;
  // Another application is active (or a window of another module): the user did not leave the
  // field for one of this dialog's controls.
  if (instanceOf(dialog) != instanceOf(GetActiveWindow())) return;
  if (isCheckFreeFocus(dialog, focus)) return;
  checkModifiedField(dialog, data, checkOnFocusLost, id);
}

}  // namespace dsup::dialog
