#include "scroller_state.h"

#include <algorithm>
#include <climits>

namespace qxscroller {

bool createState(HWND scroller) {
  RECT area{};
  GetClientRect(scroller, &area);
  const int viewRows = std::max(1, static_cast<int>(area.bottom - area.top) / QXSCROLLER_ROW_HEIGHT);
  const SIZE_T bytes = sizeof(ScrollerState) + static_cast<SIZE_T>(viewRows) * sizeof(ShownRow);
  auto* state = static_cast<ScrollerState*>(static_cast<void*>(GlobalAlloc(GPTR, bytes)));
  if (!state) return false;
  state->viewRows = viewRows;
  state->notifyRow = -1;
  state->pendingTextRow = -1;
  state->pressedRow = -1;
  SetWindowLongPtrW(scroller, stateSlot, reinterpret_cast<LONG_PTR>(state));
  markRows(scroller, *state, 0, INT_MAX);
  return true;
}

void destroyState(HWND scroller) {
  if (ScrollerState* state = stateOf(scroller)) GlobalFree(static_cast<HGLOBAL>(static_cast<void*>(state)));
  SetWindowLongPtrW(scroller, stateSlot, 0);
}

ScrollerState* stateOf(HWND scroller) {
  return IsWindow(scroller) ? reinterpret_cast<ScrollerState*>(GetWindowLongPtrW(scroller, stateSlot)) : nullptr;
}

ShownRow* shownRow(ScrollerState& state, int row) {
  const int slot = row - state.topRow;
  return row >= state.topRow && slot < state.viewRows ? &state.rows()[slot] : nullptr;
}

void markRows(HWND scroller, ScrollerState& state, int first, int last) {
  for (int slot = 0; slot < state.viewRows; ++slot) {
    const int row = state.topRow + slot;
    if (row >= first && row <= last) state.rows()[slot].stale = TRUE;
  }
  InvalidateRect(scroller, nullptr, FALSE);
}

void moveRows(ScrollerState& state, int firstRow, int shift) {
  ShownRow* rows = state.rows();
  const int firstChanged = shift > 0 ? firstRow : firstRow + shift;
  const int begin = std::clamp(firstChanged - state.topRow, 0, state.viewRows);
  // Each row takes the content of the row `shift` above it; copying away from the direction of
  // the move reads every source before it is overwritten.
  const auto place = [&](int slot) {
    const int source = state.topRow + slot - shift;
    const ShownRow* from = source >= firstRow ? shownRow(state, source) : nullptr;
    rows[slot] = from ? *from : ShownRow{};
  };
  if (shift > 0) {
    for (int slot = state.viewRows - 1; slot >= begin; --slot) place(slot);
  } else {
    for (int slot = begin; slot < state.viewRows; ++slot) place(slot);
  }
}

void clearView(HWND scroller, ScrollerState& state) {
  std::fill_n(state.rows(), state.viewRows, ShownRow{});
  markRows(scroller, state, 0, INT_MAX);
}

}  // namespace qxscroller
