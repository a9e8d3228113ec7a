#include "dialog/enter_button.h"

#include <dsup.h>

#include "dialog/dialog_constants.h"

namespace dsup::dialog {

void showEnterButtonLook(HWND dialog, const StandardDialogData& data, bool show) {
  if (data.enterButtonId == noEnterButton) return;
  if (data.enterButtonId == enterIsCancelDefault) {
    DSupEnableDlgItem(dialog, IDC_ENTER_ALTERNATE_1, FALSE);
    DSupEnableDlgItem(dialog, IDC_ENTER_ALTERNATE_2, FALSE);
    SendDlgItemMessageW(dialog, IDCANCEL, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    return;
  }
  const HWND button = GetDlgItem(dialog, data.enterButtonId);
  if (!button) return;
  const DWORD style = show && IsWindowEnabled(button) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  SendMessageW(button, BM_SETSTYLE, style, FALSE);
  InvalidateRect(button, nullptr, FALSE);
  UpdateWindow(button);
}

void changeEnterButton(HWND dialog, StandardDialogData& data, LONG enterButtonId) {
  SendMessageW(dialog, WM_DSUPENTERDEFAULT, 0, 0);
  data.enterButtonId = enterButtonId;
  SendMessageW(dialog, WM_DSUPENTERDEFAULT, 1, 0);
}

}  // namespace dsup::dialog

extern "C" DSUP_API void DSUP_CALL DSupSetEnterButtonId(HWND dialog, LONG enterButtonId) noexcept {
  if (auto* data = dsup::dialog::standardDialogData(dialog)) dsup::dialog::changeEnterButton(dialog, *data, enterButtonId);
}

extern "C" DSUP_API void DSUP_CALL DSupEnableEnterKey(HWND dialog, BOOL enable) noexcept {
  const auto* data = dsup::dialog::standardDialogData(dialog);
  if (data && data->enterButtonId != dsup::dialog::noEnterButton) DSupEnableDlgItem(dialog, data->enterButtonId, enable);
}
