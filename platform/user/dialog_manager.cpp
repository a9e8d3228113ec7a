// The dialog manager: IsDialogMessageW with its keys, GetNextDlgTabItem, and the default push
// button (dialog_state.h).
#include <windows.h>

#include <algorithm>
#include <vector>

#include "user/dialog_state.h"
#include "user/window.h"

namespace {

using namespace qxplatform::user;

std::vector<HWND> controlsOf(HWND dialog) {
  const Window* window = lookUpWindow(dialog);
  return window ? window->children : std::vector<HWND>{};
}

// The direct child of the dialog that contains the window, or null.
HWND directChild(HWND dialog, HWND window) {
  for (const Window* w = lookUpWindow(window); w && w->isChild(); w = lookUpWindow(w->parent))
    if (w->parent == dialog) return w->handle;
  return nullptr;
}

bool isTabStop(HWND control) {
  const Window* window = lookUpWindow(control);
  return window && (window->style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE);
}

LRESULT dialogCode(HWND control) { return SendMessageW(control, WM_GETDLGCODE, 0, 0); }

HWND findDefaultButton(HWND dialog) {
  for (HWND control : controlsOf(dialog))
    if (dialogCode(control) & DLGC_DEFPUSHBUTTON) return control;
  return nullptr;
}

// The dialog's default button as far as it still has the default look.
HWND currentDefaultButton(HWND dialog, int defaultId) {
  const HWND button = GetDlgItem(dialog, defaultId);
  if (button && (dialogCode(button) & DLGC_DEFPUSHBUTTON)) return button;
  return findDefaultButton(dialog);
}

void pressEnter(HWND dialog) {
  const HWND focus = GetFocus();
  if (IsChild(dialog, focus) && (dialogCode(focus) & DLGC_DEFPUSHBUTTON)) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
    return;
  }
  const auto reply = static_cast<DWORD>(SendMessageW(dialog, DM_GETDEFID, 0, 0));
  if (HIWORD(reply) == DC_HASDEFID) {
    const HWND button = GetDlgItem(dialog, LOWORD(reply));
    if (!button || IsWindowEnabled(button))
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(reply), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return;
  }
  SendMessageW(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace

namespace qxplatform::user {

void setDialogFocus(HWND control) {
  if (dialogCode(control) & DLGC_HASSETSEL) SendMessageW(control, EM_SETSEL, 0, -1);
  SetFocus(control);
}

void updateDefaultButton(HWND dialog, HWND control) {
  auto state = dialogState(dialog);
  if (!state) return;
  LRESULT code = control ? dialogCode(control) : 0;
  if (!(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
    // Not a push button: the dialog's own default button keeps (or gets back) the default look.
    control = GetDlgItem(dialog, state->defaultId);
    code = control ? dialogCode(control) : 0;
  }
  const HWND old = currentDefaultButton(dialog, state->defaultId);
  if (old && old != control) SendMessageW(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (control && (code & DLGC_UNDEFPUSHBUTTON)) SendMessageW(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void setDefaultId(HWND dialog, int id) {
  auto state = dialogState(dialog);
  if (!state || state->ended) return;
  const int oldId = state->defaultId;
  state->defaultId = id;
  const HWND button = GetDlgItem(dialog, id);
  const LRESULT code = button ? dialogCode(button) : 0;
  if (button && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) return;  // not a push button
  const HWND old = currentDefaultButton(dialog, oldId);
  if (old && old != button) SendMessageW(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (button && (code & DLGC_UNDEFPUSHBUTTON)) SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

LRESULT defaultIdReply(HWND dialog) {
  auto state = dialogState(dialog);
  if (!state || state->ended) return 0;
  // Until a default id is set, it is IDOK: a button that only has the default look (BM_SETSTYLE)
  // is not the dialog's default button.
  return MAKELONG(state->defaultId ? state->defaultId : IDOK, DC_HASDEFID);
}

}  // namespace qxplatform::user

extern "C" HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  if (!findWindow(dialog)) return nullptr;
  std::vector<HWND> controls = controlsOf(dialog);
  if (previous) std::reverse(controls.begin(), controls.end());
  const HWND from = control == dialog ? nullptr : directChild(dialog, control);
  auto start = std::find(controls.begin(), controls.end(), from);
  if (start != controls.end()) std::rotate(controls.begin(), start + 1, controls.end());
  for (HWND candidate : controls)
    if (isTabStop(candidate)) return candidate;
  return from;
}

extern "C" BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG message) {
  if (!message || !findWindow(dialog)) return FALSE;
  if (message->hwnd != dialog && !IsChild(dialog, message->hwnd)) return FALSE;
  if (message->message == WM_KEYDOWN) {
    const LRESULT code =
        SendMessageW(message->hwnd, WM_GETDLGCODE, message->wParam, reinterpret_cast<LPARAM>(message));
    if (!(code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
      switch (message->wParam) {
        case VK_TAB:
          if (code & DLGC_WANTTAB) break;
          SendMessageW(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
          return TRUE;
        case VK_RETURN:
          pressEnter(dialog);
          return TRUE;
        case VK_ESCAPE:
          SendMessageW(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
          return TRUE;
      }
    }
  }
  TranslateMessage(message);
  DispatchMessageW(message);
  return TRUE;
}
