// The timetable editor's messages to the scroller control and to the driver's dialog.
//
// The scroller (control IDC_TT_SCROLLER, a class registered outside the library) takes the
// messages below; a row range travels in lParam as the low 16 bits of its two rows, in either
// order. The library keeps its own numbers for them, as for every host interface.
#pragma once

#include <dsup.h>
#include <windows.h>

namespace dsup::timetable {

enum ScrollerMessage : UINT {
  SCM_SETROWTEXT = 1025,   // wParam: 1 highlighted; lParam: the row's text
  SCM_REDRAWROWS = 1026,   // lParam: range
  SCM_SETROWCOUNT = 1027,  // wParam: the row count, or -1 to forget every row
  SCM_INSERTROWS = 1028,   // wParam: rows (1); lParam: position
  SCM_DELETEROWS = 1029,   // lParam: range
  SCM_INVERTROWS = 1030,   // lParam: range
  SCM_SHOWROW = 1031,      // wParam: row
  SCM_ISROWVISIBLE = 1036, // wParam: row; nonzero when in view
};

// The range of two rows for a scroller message.
inline LPARAM rowRange(LONG first, LONG second) { return MAKELPARAM(LOWORD(first), LOWORD(second)); }

LRESULT sendToScroller(HWND dialog, ScrollerMessage message, WPARAM wParam, LPARAM lParam);

// Message msgBase + `offset` (TTM_*) to the dialog, sent or posted.
LRESULT sendToDialog(HWND dialog, const DSupTTData& table, UINT offset, WPARAM wParam, LPARAM lParam);
void postToDialog(HWND dialog, const DSupTTData& table, UINT offset, WPARAM wParam, LPARAM lParam);

// Inverts the highlight of the selected range.
void invertSelection(HWND dialog, const DSupTTData& table);

// Whether the row lies in the selected range (its ends in either order).
bool isSelected(const DSupTTData& table, LONG row);

}  // namespace dsup::timetable
