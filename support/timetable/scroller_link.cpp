#include "timetable/scroller_link.h"

#include <algorithm>

namespace dsup::timetable {

LRESULT sendToScroller(HWND dialog, ScrollerMessage message, WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessageW(dialog, IDC_TT_SCROLLER, message, wParam, lParam);
}

LRESULT sendToDialog(HWND dialog, const DSupTTData& table, UINT offset, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(dialog, table.msgBase + offset, wParam, lParam);
}

void postToDialog(HWND dialog, const DSupTTData& table, UINT offset, WPARAM wParam, LPARAM lParam) {
  PostMessageW(dialog, table.msgBase + offset, wParam, lParam);
}

void invertSelection(HWND dialog, const DSupTTData& table) {
  sendToScroller(dialog, SCM_INVERTROWS, 0, rowRange(table.selRow, table.anchorRow));
}

bool isSelected(const DSupTTData& table, LONG row) {
  return row >= std::min(table.selRow, table.anchorRow) && row <= std::max(table.selRow, table.anchorRow);
}

}  // namespace dsup::timetable
