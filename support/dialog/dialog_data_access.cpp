// Reaching a standard dialog's data block through its window, and the functions that read or
// change the block directly.
#include <dsup.h>

#include "dialog/open_dialog_list.h"
#include "dialog/standard_dialog_data.h"

namespace dsup::dialog {

StandardDialogData* standardDialogData(HWND dialog) {
  if (!dialog || !IsWindow(dialog)) return nullptr;
  // DWLP_USER of a window that is no standard dialog may hold anything (another dialog's own
  // pointer); only the address bound to this very window by the dialog procedure is the block.
  auto* data = reinterpret_cast<StandardDialogData*>(GetWindowLongPtrW(dialog, DWLP_USER));
  return data && isBoundOpenDialog(dialog, data) ? data : nullptr;
}

}  // namespace dsup::dialog

extern "C" DSUP_API void* DSUP_CALL DSupGetStandardDialogData(HWND dialog) noexcept {
  auto* data = dsup::dialog::standardDialogData(dialog);
  return data ? dsup::dialog::callerDataOf(data) : nullptr;
}

extern "C" DSUP_API void DSUP_CALL DSupEnableVantaDialog(HWND dialog, BOOL enabled) noexcept {
  if (auto* data = dsup::dialog::standardDialogData(dialog)) data->commandsEnabled = enabled;
}
