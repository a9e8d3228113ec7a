#include "dialog/command_handling.h"

#include "dialog/control_class.h"
#include "dialog/dialog_constants.h"
#include "dialog/field_checking.h"

namespace dsup::dialog {

namespace {

// The scroller's notification on which a modified field is checked (reason 2).
constexpr WORD scrollerCheckNotification = 2;

void callCommandProc(HWND dialog, const StandardDialogData& data, int id) {
  if (data.commandProc) data.commandProc(dialog, id);
}

// IDOK stands for the Enter key when the key is down, or when no control sent it (an accelerator):
// a click on the OK button (or its Space key) is OK itself, whatever the Enter button is.
bool isEnterKey(LPARAM control) { return GetKeyState(VK_RETURN) < 0 || control == 0; }

// Enter in a multi-line field with an Enter button set makes a new line there, when the field
// still has the focus (a field that takes no returns has handed Enter to the default button).
bool enterMakesNewLine(const StandardDialogData& data) {
  return data.focusField && data.savedSelection != noSavedSelection && data.enterButtonId != noEnterButton &&
         isMultiLine(data.focusField) && GetFocus() == data.focusField;
}

void putFocusBack(HWND dialog, const StandardDialogData& data) {
  if (!data.focusField) return;
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(data.focusField), TRUE);
  if (data.savedSelection != noSavedSelection) SendMessageW(data.focusField, EM_SETSEL, 0, data.savedSelection);
}

INT_PTR handleClick(HWND dialog, StandardDialogData& data, WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == IDOK && isEnterKey(lParam)) {
    if (enterMakesNewLine(data)) {
      SendMessageW(data.focusField, WM_CHAR, '\r', 0);
      return 1;
    }
    // An Enter button whose low word is 1 would be OK again: it is handled as OK itself.
    if (data.enterButtonId != noEnterButton && LOWORD(data.enterButtonId) != IDOK)
      return handleCommand(dialog, data, MAKEWPARAM(LOWORD(data.enterButtonId), HIWORD(wParam)), lParam);
  } else if (id == IDCANCEL) {
    data.skipFieldCheck = 1;
    if (data.commandProc && data.commandProc(dialog, IDCANCEL)) EndDialog(dialog, 0);
    return 1;
  }
  if (id == LOWORD(data.keepFocusButtonId)) {
    data.skipFieldCheck = 1;
    putFocusBack(dialog, data);
    if (data.commandProc) data.commandProc(dialog, data.keepFocusButtonId);
    return 1;
  }
  if (isCheckFreeButtonId(id)) {
    data.skipFieldCheck = 1;
    callCommandProc(dialog, data, id);
    return 1;
  }
  if (data.errorFieldId != 0) return 1;  // the user must correct the field in error first
  if (data.modifiedFieldId != 0) checkModifiedField(dialog, data, checkOnClick, 0);
  if (data.modifiedFieldId != 0 || data.errorFieldId != 0) return 1;
  data.savedSelection = noSavedSelection;
  data.focusField = nullptr;
  callCommandProc(dialog, data, id);
  return 1;
}

}  // namespace

INT_PTR forwardToDriver(HWND dialog, const StandardDialogData& data, UINT message, WPARAM wParam, LPARAM lParam) {
  return data.dialogProc ? data.dialogProc(dialog, message, wParam, lParam) : 1;
}

INT_PTR handleCommand(HWND dialog, StandardDialogData& data, WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const WORD notification = HIWORD(wParam);
  const ControlClass controlClass = lParam ? controlClassOf(GetDlgItem(dialog, id)) : ControlClass::other;
  switch (controlClass) {
    case ControlClass::edit:
      if (notification == EN_CHANGE) return handleFieldChange(dialog, data, id), 1;
      if (notification == EN_SETFOCUS) return handleFieldFocus(dialog, data, id), 1;
      if (notification == EN_KILLFOCUS) return PostMessageW(dialog, WM_DSUPCHECKFIELD, id, lParam), 1;
      break;
    case ControlClass::comboBox:
      if (notification == CBN_EDITCHANGE) return handleFieldChange(dialog, data, id), 1;
      if (notification == CBN_SETFOCUS) return handleFieldFocus(dialog, data, id), 1;
      if (notification == CBN_KILLFOCUS) return PostMessageW(dialog, WM_DSUPCHECKFIELD, id, lParam), 1;
      if (notification == CBN_SELCHANGE || notification == CBN_DBLCLK) {
        if (data.commandProc) {
          data.modifiedFieldId = id;
          data.commandProc(dialog, id);
        }
        return 1;
      }
      break;
    case ControlClass::scroller:
      if (notification == scrollerCheckNotification) {
        if (data.modifiedFieldId != 0) checkModifiedField(dialog, data, checkOnScroller, 0);
        return 1;
      }
      break;
    case ControlClass::other:
      if (notification == BN_CLICKED) return handleClick(dialog, data, wParam, lParam);
      break;
  }
  return forwardToDriver(dialog, data, WM_COMMAND, wParam, lParam);
}

}  // namespace dsup::dialog
