// The scroller's window procedure: creation and destruction, painting (the rows to be shown are
// asked for, one at a time, in ascending order), focus, and the user's clicks and keys, which are
// reported to the parent.
#include "scroller_procedure.h"

#include <algorithm>

#include "scroller_messages.h"
#include "scroller_state.h"

namespace qxscroller {

namespace {

// Sends the notification for the row to the parent. Returns the state afterwards, or null when
// the notification's handler destroyed the scroller.
ScrollerState* notify(HWND scroller, WORD code, int row) {
  ScrollerState* state = stateOf(scroller);
  const int outer = state->notifyRow;
  state->notifyRow = row;
  SendMessageW(GetParent(scroller), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(scroller), code),
               reinterpret_cast<LPARAM>(scroller));
  state = stateOf(scroller);
  if (state) state->notifyRow = outer;
  return state;
}

// Asks the parent for the row's text; a row that the parent does not answer for is empty and
// plain.
ScrollerState* askForRow(HWND scroller, ScrollerState& state, int slot) {
  state.rows()[slot] = ShownRow{};
  state.pendingTextRow = state.topRow + slot;
  ScrollerState* after = notify(scroller, SCN_GETROWTEXT, state.topRow + slot);
  if (after) after->pendingTextRow = -1;
  return after;
}

// The window is validated first, so that a row marked while the rows are asked for brings
// another painting.
void paint(HWND scroller, UINT message, WPARAM wParam, LPARAM lParam) {
  DefWindowProcW(scroller, message, wParam, lParam);
  ScrollerState* state = stateOf(scroller);
  for (int slot = 0; state && slot < state->viewRows; ++slot) {
    if (!state->rows()[slot].stale) continue;
    state->rows()[slot].stale = FALSE;
    state = askForRow(scroller, *state, slot);
  }
}

int rowAt(const ScrollerState& state, LPARAM point) {
  return state.topRow + std::max(0, static_cast<int>(static_cast<SHORT>(HIWORD(point)))) / QXSCROLLER_ROW_HEIGHT;
}

void takeFocus(HWND scroller) {
  if (GetFocus() != scroller) SetFocus(scroller);
}

void moveCaret(HWND scroller, ScrollerState& state, int step) {
  state.caretRow = std::clamp(state.caretRow + step, 0, state.rowCount);
  notify(scroller, GetKeyState(VK_SHIFT) < 0 ? SCN_SHIFTKEYMOVE : SCN_KEYMOVE, state.caretRow);
}

}  // namespace

LRESULT CALLBACK scrollerProcedure(HWND scroller, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return createState(scroller) ? 0 : -1;
  ScrollerState* state = stateOf(scroller);
  if (!state) return DefWindowProcW(scroller, message, wParam, lParam);
  if (LRESULT answer; answerScrollerMessage(scroller, *state, message, wParam, lParam, answer)) return answer;
  switch (message) {
    case WM_DESTROY:
      destroyState(scroller);
      return 0;
    case WM_PAINT:
      paint(scroller, message, wParam, lParam);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
      notify(scroller, SCN_SETFOCUS, -1);
      return 0;
    case WM_KILLFOCUS:
      notify(scroller, SCN_KILLFOCUS, -1);
      return 0;
    case WM_LBUTTONDOWN:
      state->pressedRow = rowAt(*state, lParam);
      state->pressedWithShift = (wParam & MK_SHIFT) != 0;
      takeFocus(scroller);
      return 0;
    case WM_LBUTTONDBLCLK: {
      // The second button down of a double click; its button up reports nothing more.
      state->pressedRow = -1;
      const int row = rowAt(*state, lParam);
      takeFocus(scroller);
      if (stateOf(scroller)) notify(scroller, SCN_DBLCLK, row);
      return 0;
    }
    case WM_LBUTTONUP: {
      const int row = state->pressedRow;
      if (row < 0) return 0;
      state->pressedRow = -1;
      state->caretRow = row;
      notify(scroller, state->pressedWithShift ? SCN_SHIFTCLICK : SCN_CLICK, row);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        moveCaret(scroller, *state, wParam == VK_UP ? -1 : 1);
        return 0;
      }
      break;
  }
  return DefWindowProcW(scroller, message, wParam, lParam);
}

}  // namespace qxscroller
