// The scroller "QXLUMO_UTIL_SCROLLER_02" (<qxscroller.h>): rows of text asked for from the parent
// when they are shown, a top row, highlights, and notifications of clicks, keys and focus.
//
// Showing is painting: rows that come into view or are to be redrawn are marked, and asked for
// (SCN_GETROWTEXT, one row at a time, in ascending order) when the scroller is painted, which is
// when the thread's queue holds nothing else, or at once through UpdateWindow.
#include <windows.h>
#include <qxscroller.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "user/control_metrics.h"
#include "user/text_copy.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

struct ShownRow {
  std::u16string text;
  bool highlighted = false;
};

struct ScrollerState {
  int rowCount = 0;
  int topRow = 0;
  std::map<int, ShownRow> shown;  // the rows as last shown, by row number
  std::set<int> stale;            // rows to ask for at the next painting
  int notifyRow = -1;             // the row of the notification being sent
  int pendingTextRow = -1;        // the row whose text SCN_GETROWTEXT asks for
  int pressedRow = -1;            // the row under a button down, reported at the button up
  bool pressedWithShift = false;
  int caretRow = 0;
};

int rowsInView(HWND scroller) {
  const Window* window = lookUpWindow(scroller);
  return window ? std::max(1, window->height / rowHeight) : 1;
}

bool inView(HWND scroller, const ScrollerState& state, int row) {
  return row >= state.topRow && row < state.topRow + rowsInView(scroller);
}

// Marks the rows in view from `first` on (or those of [first, last]) to be shown again.
void markRows(HWND scroller, ScrollerState& state, int first, int last = INT32_MAX) {
  const int end = std::min(last, state.topRow + rowsInView(scroller) - 1);
  for (int row = std::max(first, state.topRow); row <= end; ++row) state.stale.insert(row);
  InvalidateRect(scroller, nullptr, FALSE);
}

void markAllRows(HWND scroller, ScrollerState& state) { markRows(scroller, state, state.topRow); }

// The two rows of a range in lParam (low words of the row numbers), in ascending order.
std::pair<int, int> rangeOf(LPARAM range) {
  const int a = LOWORD(range), b = HIWORD(range);
  return {std::min(a, b), std::max(a, b)};
}

void notify(HWND scroller, ScrollerState& state, WORD code, int row) {
  const int outer = state.notifyRow;
  state.notifyRow = row;
  notifyParent(scroller, code);
  state.notifyRow = outer;
}

void askForRow(HWND scroller, ScrollerState& state, int row) {
  state.shown[row] = ShownRow{};  // a row that the parent does not answer for is empty and plain
  state.pendingTextRow = row;
  notify(scroller, state, SCN_GETROWTEXT, row);
  state.pendingTextRow = -1;
}

void paint(HWND scroller, ScrollerState& state) {
  const std::set<int> rows = std::move(state.stale);
  state.stale.clear();
  for (int row : rows)
    if (inView(scroller, state, row) && IsWindow(scroller)) askForRow(scroller, state, row);
}

// Moves the shown rows from `first` on by `shift` rows (down, or up when negative).
void shiftRows(ScrollerState& state, int first, int shift) {
  std::map<int, ShownRow> moved;
  for (auto& [row, shown] : state.shown) moved.emplace(row < first ? row : row + shift, std::move(shown));
  state.shown = std::move(moved);
}

void deleteRows(HWND scroller, ScrollerState& state, LPARAM range) {
  auto [first, last] = rangeOf(range);
  last = std::min(last, state.rowCount - 1);
  if (first > last) return;
  const int removed = last - first + 1;
  for (int row = first; row <= last; ++row) state.shown.erase(row);
  shiftRows(state, last + 1, -removed);
  state.rowCount -= removed;
  markRows(scroller, state, first);
}

void showRow(HWND scroller, ScrollerState& state, int row) {
  const int view = rowsInView(scroller);
  const int top = row < state.topRow ? row : row >= state.topRow + view ? row - view + 1 : state.topRow;
  if (top == state.topRow || top < 0) return;
  state.topRow = top;
  markAllRows(scroller, state);
}

void setRowCount(HWND scroller, ScrollerState& state, int rowCount) {
  if (rowCount < 0) {
    state.shown.clear();
    state.topRow = 0;
    state.caretRow = 0;
    rowCount = 0;
  }
  state.rowCount = rowCount;
  markAllRows(scroller, state);
}

void moveCaret(HWND scroller, ScrollerState& state, int step) {
  state.caretRow = std::clamp(state.caretRow + step, 0, state.rowCount);
  notify(scroller, state, GetKeyState(VK_SHIFT) < 0 ? SCN_SHIFTKEYMOVE : SCN_KEYMOVE, state.caretRow);
}

// The answer to an SCM_* message; nothing for another message.
std::optional<LRESULT> scrollerMessage(HWND scroller, ScrollerState& state, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
  const int row = static_cast<int>(static_cast<INT_PTR>(wParam));
  switch (message) {
    case SCM_SETROWTEXT: {
      if (state.pendingTextRow < 0) return FALSE;
      std::u16string text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
      if (text.size() >= QXSCROLLER_ROWTEXT_CAPACITY) text.resize(QXSCROLLER_ROWTEXT_CAPACITY - 1);
      state.shown[state.pendingTextRow] = ShownRow{std::move(text), wParam != 0};
      return TRUE;
    }
    case SCM_REDRAWROWS: {
      const auto [first, last] = rangeOf(lParam);
      markRows(scroller, state, first, last);
      return 0;
    }
    case SCM_SETROWCOUNT:
      setRowCount(scroller, state, row);
      return 0;
    case SCM_INSERTROWS: {
      const int position = static_cast<int>(lParam);
      if (row <= 0 || position < 0) return 0;
      shiftRows(state, position, row);
      state.rowCount += row;
      markRows(scroller, state, position);
      return 0;
    }
    case SCM_DELETEROWS:
      deleteRows(scroller, state, lParam);
      return 0;
    case SCM_INVERTROWS: {
      const auto [first, last] = rangeOf(lParam);
      for (int r = first; r <= last; ++r)
        if (inView(scroller, state, r)) state.shown[r].highlighted = !state.shown[r].highlighted;
      return 0;
    }
    case SCM_SHOWROW:
      showRow(scroller, state, row);
      return 0;
    case SCM_ISROWVISIBLE: return inView(scroller, state, row);
    case SCM_GETNOTIFYROW: return state.notifyRow;
    case SCM_GETROWCOUNT: return state.rowCount;
    case SCM_GETTOPROW: return state.topRow;
    case SCM_GETROWTEXT:
      if (!inView(scroller, state, row)) return -1;
      return copyText(state.shown[row].text, reinterpret_cast<LPWSTR>(lParam), QXSCROLLER_ROWTEXT_CAPACITY);
    case SCM_ISROWHIGHLIGHTED: return inView(scroller, state, row) && state.shown[row].highlighted;
    default: return std::nullopt;
  }
}

int rowAt(const ScrollerState& state, LPARAM point) { return state.topRow + GET_Y_LPARAM(point) / rowHeight; }

}  // namespace

LRESULT CALLBACK scrollerProcedure(HWND scroller, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto state = std::make_shared<ScrollerState>();
    lookUpWindow(scroller)->classData = state;
    markAllRows(scroller, *state);
    return 0;
  }
  const auto state = classData<ScrollerState>(scroller);
  if (!state) return DefWindowProcW(scroller, message, wParam, lParam);
  if (const std::optional<LRESULT> answer = scrollerMessage(scroller, *state, message, wParam, lParam))
    return *answer;
  switch (message) {
    case WM_PAINT:
      paint(scroller, *state);
      return DefWindowProcW(scroller, message, wParam, lParam);
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
      notify(scroller, *state, SCN_SETFOCUS, -1);
      return 0;
    case WM_KILLFOCUS:
      notify(scroller, *state, SCN_KILLFOCUS, -1);
      return 0;
    case WM_LBUTTONDOWN:
      state->pressedRow = rowAt(*state, lParam);
      state->pressedWithShift = (wParam & MK_SHIFT) != 0;
      if (GetFocus() != scroller) SetFocus(scroller);
      return 0;
    case WM_LBUTTONDBLCLK:
      state->pressedRow = -1;
      if (GetFocus() != scroller) SetFocus(scroller);
      notify(scroller, *state, SCN_DBLCLK, rowAt(*state, lParam));
      return 0;
    case WM_LBUTTONUP: {
      const int row = state->pressedRow;
      if (row < 0) return 0;
      state->pressedRow = -1;
      state->caretRow = row;
      notify(scroller, *state, state->pressedWithShift ? SCN_SHIFTCLICK : SCN_CLICK, row);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) moveCaret(scroller, *state, wParam == VK_UP ? -1 : 1);
      return 0;
    default:
      return DefWindowProcW(scroller, message, wParam, lParam);
  }
}

}  // namespace qxplatform::user
