#include "scroller_messages.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace qxscroller {

namespace {

// The two rows of a range in lParam (low words of the row numbers), in ascending order.
std::pair<int, int> rangeOf(LPARAM range) {
  const int a = LOWORD(range), b = HIWORD(range);
  return {std::min(a, b), std::max(a, b)};
}

// Copies at most capacity - 1 characters of a zero-terminated text and terminates the copy;
// returns the characters copied.
int copyText(LPCWSTR from, LPWSTR to, int capacity) {
  int length = 0;
  if (from)
    while (length < capacity - 1 && from[length]) ++length;
  std::copy_n(from, length, to);
  to[length] = 0;
  return length;
}

BOOL takeRowText(ScrollerState& state, BOOL highlighted, LPCWSTR text) {
  ShownRow* row = state.pendingTextRow >= 0 ? shownRow(state, state.pendingTextRow) : nullptr;
  if (!row) return FALSE;
  copyText(text, row->text, QXSCROLLER_ROWTEXT_CAPACITY);
  row->highlighted = highlighted;
  return TRUE;
}

void setRowCount(HWND scroller, ScrollerState& state, int rowCount) {
  if (rowCount < 0) {
    state.topRow = 0;
    state.caretRow = 0;
    rowCount = 0;
    clearView(scroller, state);
  }
  state.rowCount = rowCount;
  markRows(scroller, state, 0, INT_MAX);
}

void insertRows(HWND scroller, ScrollerState& state, int count, int position) {
  if (count <= 0 || position < 0) return;
  moveRows(state, position, count);
  state.rowCount += count;
  markRows(scroller, state, position, INT_MAX);
}

void deleteRows(HWND scroller, ScrollerState& state, LPARAM range) {
  auto [first, last] = rangeOf(range);
  last = std::min(last, state.rowCount - 1);
  if (first > last) return;
  const int removed = last - first + 1;
  moveRows(state, last + 1, -removed);
  state.rowCount -= removed;
  markRows(scroller, state, first, INT_MAX);
}

void invertRows(ScrollerState& state, LPARAM range) {
  const auto [first, last] = rangeOf(range);
  for (int row = first; row <= last; ++row)
    if (ShownRow* shown = shownRow(state, row)) shown->highlighted = !shown->highlighted;
}

// Scrolls the least needed to bring the row into view; a scrolled view is shown anew.
void showRow(HWND scroller, ScrollerState& state, int row) {
  if (row < 0) return;
  const int top = row < state.topRow                    ? row
                  : row >= state.topRow + state.viewRows ? row - state.viewRows + 1
                                                         : state.topRow;
  if (top == state.topRow) return;
  state.topRow = top;
  clearView(scroller, state);
}

LRESULT rowRectangle(HWND scroller, const ScrollerState& state, int row, RECT* rectangle) {
  if (row < 0 || !rectangle) return LB_ERR;
  RECT area{};
  GetClientRect(scroller, &area);
  const int top = (row - state.topRow) * QXSCROLLER_ROW_HEIGHT;
  *rectangle = RECT{0, top, area.right, top + QXSCROLLER_ROW_HEIGHT};
  return TRUE;
}

}  // namespace

bool answerScrollerMessage(HWND scroller, ScrollerState& state, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
  const int row = static_cast<int>(static_cast<INT_PTR>(wParam));
  result = 0;
  switch (message) {
    case SCM_SETROWTEXT: result = takeRowText(state, wParam != 0, reinterpret_cast<LPCWSTR>(lParam)); break;
    case SCM_REDRAWROWS: {
      const auto [first, last] = rangeOf(lParam);
      markRows(scroller, state, first, last);
      break;
    }
    case SCM_SETROWCOUNT: setRowCount(scroller, state, row); break;
    case SCM_INSERTROWS: insertRows(scroller, state, row, static_cast<int>(lParam)); break;
    case SCM_DELETEROWS: deleteRows(scroller, state, lParam); break;
    case SCM_INVERTROWS: invertRows(state, lParam); break;
    case SCM_SHOWROW: showRow(scroller, state, row); break;
    case SCM_ISROWVISIBLE: result = shownRow(state, row) != nullptr; break;
    case SCM_GETNOTIFYROW: result = state.notifyRow; break;
    case SCM_GETROWCOUNT: result = state.rowCount; break;
    case SCM_GETTOPROW: result = state.topRow; break;
    case SCM_GETROWTEXT: {
      const ShownRow* shown = shownRow(state, row);
      result = shown ? copyText(shown->text, reinterpret_cast<LPWSTR>(lParam), QXSCROLLER_ROWTEXT_CAPACITY) : -1;
      break;
    }
    case SCM_ISROWHIGHLIGHTED: {
      const ShownRow* shown = shownRow(state, row);
      result = shown && shown->highlighted;
      break;
    }
    case LB_GETITEMRECT: result = rowRectangle(scroller, state, row, reinterpret_cast<RECT*>(lParam)); break;
    default: return false;
  }
  return true;
}

}  // namespace qxscroller
