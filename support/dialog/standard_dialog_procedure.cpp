// The dialog procedure of standard dialogs: binds the data block at the first message, gives the
// driver's message hook the first look at every message, and sorts the rest into what the library
// handles, what goes on to the driver's dialog procedure and what nobody sees.
#include "dialog/standard_dialog_procedure.h"

#include "dialog/command_handling.h"
#include "dialog/dialog_constants.h"
#include "dialog/enter_button.h"
#include "dialog/field_checking.h"
#include "dialog/open_dialog_list.h"
#include "dialog/read_only_mode.h"

namespace dsup::dialog {

namespace {

// The block of a dialog at its first message: the one being started, locked by its creation
// function, whose address goes into DWLP_USER.
StandardDialogData* bindBlock(HWND dialog) {
  const HGLOBAL block = pendingDialogData();
  if (!GetWindow(dialog, GW_OWNER) || !block) return nullptr;
  auto* address = static_cast<StandardDialogData*>(GlobalLock(block));
  if (!address) return nullptr;
  GlobalUnlock(block);  // the creation function holds its own lock for the dialog's life
  if (bindOpenDialog(block, dialog) != address) return nullptr;
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(address));
  return address;
}

bool goesToDriver(UINT message) {
  switch (message) {
    case WM_SETCURSOR:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_SETFONT:
    case WM_SYSCOMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return message >= WM_USER;
  }
}

INT_PTR handleMessage(HWND dialog, StandardDialogData& data, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      if (data.enterDefaultAtStart) PostMessageW(dialog, WM_DSUPENTERDEFAULT, 1, 0);
      const INT_PTR result = forwardToDriver(dialog, data, message, wParam, lParam);
      applyReadOnlyMode(dialog, data);
      return result;
    }
    case WM_COMMAND:
      return data.commandsEnabled ? handleCommand(dialog, data, wParam, lParam) : 1;
    case WM_DSUPCHECKFIELD:
      runDeferredFieldCheck(dialog, data, static_cast<int>(wParam), reinterpret_cast<HWND>(lParam));
      return 1;
    case WM_DSUPENTERDEFAULT:
      showEnterButtonLook(dialog, data, wParam != 0);
      return 1;
    default:
      return goesToDriver(message) ? forwardToDriver(dialog, data, message, wParam, lParam) : 0;
  }
}

}  // namespace

INT_PTR CALLBACK StandardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  StandardDialogData* data = standardDialogData(dialog);
  if (!data && GetWindowLongPtrW(dialog, DWLP_USER) == 0) data = bindBlock(dialog);
  if (!data) return 0;
  if (data->messageHook) {
    LRESULT result = 0;
    if (data->messageHook(dialog, message, wParam, lParam, &result)) return result;
  }
  return handleMessage(dialog, *data, message, wParam, lParam);
}

}  // namespace dsup::dialog
