// The procedure of the dialog class, DefDlgProcW: the dialog procedure first, then the default
// handling of the messages it left (focus memory, default push button, WM_NEXTDLGCTL, WM_CLOSE).
//
// The focus memory differs from a plain reading of Win32 in one point: the dialog remembers the
// control that last had the focus at every focus change, not only when it is deactivated. When a
// message box disables the dialog, which takes the focus away, the focus still comes back to that
// control when the box ends, as users of Windows see it.
#include <windows.h>

#include "user/dialog_state.h"
#include "user/window.h"
#include "user/window_classes.h"

namespace {

using namespace qxplatform::user;

constexpr std::size_t messageResultSlot = DWLP_MSGRESULT / sizeof(LONG_PTR);
constexpr std::size_t procedureSlot = DWLP_DLGPROC / sizeof(LONG_PTR);

bool returnsProcedureResult(UINT message) {
  return message == WM_INITDIALOG || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

void saveFocus(HWND dialog) {
  const HWND focus = GetFocus();
  if (focus && IsChild(dialog, focus))
    if (auto state = dialogState(dialog)) state->savedFocus = focus;
}

// Gives the focus back to the remembered control (or, when asked through WM_SETFOCUS, to the
// first tab stop); nothing once the dialog has ended.
void restoreFocus(HWND dialog, bool justActivated) {
  auto state = dialogState(dialog);
  if (!state || state->ended) return;
  HWND target = state->savedFocus;
  if (!IsChild(dialog, target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
    if (justActivated) return;
    target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (!target) return;
  }
  if (justActivated)
    SetFocus(target);
  else
    setDialogFocus(target);
}

void moveToNextControl(HWND dialog, WPARAM wParam, LPARAM lParam) {
  HWND target = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
  if (target) setDialogFocus(target);
  updateDefaultButton(dialog, target);
}

void closeAsCancel(HWND dialog) {
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  if (cancel && !IsWindowEnabled(cancel)) {
    MessageBeep(0);
    return;
  }
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

LRESULT defaultHandling(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      lookUpWindow(dialog)->classData = std::make_shared<DialogState>();
      return 0;
    case WM_SHOWWINDOW:
      if (!wParam) saveFocus(dialog);
      return DefWindowProcW(dialog, message, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE)
        restoreFocus(dialog, true);
      else
        saveFocus(dialog);
      return 0;
    case WM_SETFOCUS:
      restoreFocus(dialog, false);
      return 0;
    case DM_SETDEFID:
      setDefaultId(dialog, static_cast<int>(wParam));
      return TRUE;
    case DM_GETDEFID:
      return defaultIdReply(dialog);
    case WM_NEXTDLGCTL:
      moveToNextControl(dialog, wParam, lParam);
      return 0;
    case WM_CLOSE:
      closeAsCancel(dialog);
      return 0;
    default:
      return DefWindowProcW(dialog, message, wParam, lParam);
  }
}

}  // namespace

namespace qxplatform::user {

std::shared_ptr<DialogState> dialogState(HWND dialog) {
  return isOfClass(dialog, dialogClass) ? classData<DialogState>(dialog) : nullptr;
}

void noteDialogFocus(HWND focus) {
  for (const Window* window = lookUpWindow(focus); window && window->isChild();) {
    const HWND parent = window->parent;
    if (auto state = dialogState(parent)) state->savedFocus = focus;
    window = lookUpWindow(parent);
  }
}

}  // namespace qxplatform::user

extern "C" LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = findWindow(dialog);
  if (!window) return 0;
  if (window->windowClass != &dialogClass) return DefWindowProcW(dialog, message, wParam, lParam);
  window->extra[messageResultSlot] = 0;
  const auto procedure = reinterpret_cast<DLGPROC>(window->extra[procedureSlot]);
  const INT_PTR result = procedure ? procedure(dialog, message, wParam, lParam) : 0;
  if (!result && !returnsProcedureResult(message) && lookUpWindow(dialog))
    return defaultHandling(dialog, message, wParam, lParam);
  if (returnsProcedureResult(message)) return result;
  window = lookUpWindow(dialog);
  return window ? window->extra[messageResultSlot] : 0;
}
