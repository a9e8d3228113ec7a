#include "runtime/stop_time_warning.h"

#include <dsup.h>

#include "dialog/dialog_instance.h"
#include "host/sibling_services.h"

namespace dsup::runtime {

namespace {

constexpr int warningCapacity = 99;

HWND firstVisibleWindowFrom(HWND window) {
  while (window && !IsWindowVisible(window)) window = GetParent(window);
  return window;
}

}  // namespace

void warnAboveCompareTime(HWND dialog, WORD warningMessage) {
  const HWND owner = firstVisibleWindowFrom(dialog);
  WCHAR warning[warningCapacity];
  if (owner && NlsLoadString(dialog::dialogInstance(dialog), warningMessage, warning, warningCapacity) > 0)
    MessageBoxW(owner, warning, TEXT("ERROR"), MB_OK | MB_ICONEXCLAMATION);
  const HWND field = GetDlgItem(dialog, IDC_STOPTIME);
  if (field && IsWindowVisible(field)) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
}

}  // namespace dsup::runtime
