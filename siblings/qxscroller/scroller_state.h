// The state of one scroller window: the table's row count and the view, the rows in view as they
// were last shown (text and highlight) and which of them are to be asked for again at the next
// painting. One fixed block of global memory per window, sized at creation for the rows that fit
// into the client area; the window's first extra bytes hold its address.
#pragma once

#include <windows.h>
#include <qxscroller.h>

namespace qxscroller {

struct ShownRow {
  WCHAR text[QXSCROLLER_ROWTEXT_CAPACITY];
  BOOL highlighted;
  BOOL stale;  // to be asked for at the next painting
};

struct ScrollerState {
  int rowCount;
  int topRow;
  int viewRows;        // rows in view: the ShownRows that follow this header
  int notifyRow;       // the row of the notification being sent; -1 outside one
  int pendingTextRow;  // the row that SCN_GETROWTEXT asks for; -1 outside one
  int pressedRow;      // the row under a button down, reported at the button up; -1 = none
  BOOL pressedWithShift;
  int caretRow;        // the row that the Up and Down keys move from

  ShownRow* rows() { return reinterpret_cast<ShownRow*>(this + 1); }
};

// The window's extra bytes: the state's address.
inline constexpr int stateSlot = 0;
inline constexpr int extraBytes = sizeof(LONG_PTR);

// Allocates the state of a new scroller, with every row in view to be asked for. False (nothing
// allocated) when there is no memory.
bool createState(HWND scroller);

// Frees the state of a scroller that is being destroyed.
void destroyState(HWND scroller);

// The scroller's state; null once the window is gone (a notification's handler may destroy it).
ScrollerState* stateOf(HWND scroller);

// The shown row `row`, or null when it is out of view.
ShownRow* shownRow(ScrollerState& state, int row);

// Marks the rows from `first` to `last` that are in view to be asked for again.
void markRows(HWND scroller, ScrollerState& state, int first, int last);

// Moves the shown rows from `firstRow` on by `shift` rows (down, or up when negative); the rows
// that make room, and those that come into view from outside it, are empty until asked for.
void moveRows(ScrollerState& state, int firstRow, int shift);

// Forgets every shown row (empty, plain) and marks them all to be asked for.
void clearView(HWND scroller, ScrollerState& state);

}  // namespace qxscroller
