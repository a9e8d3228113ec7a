// The Enter button of a timetable and the selection's highlight.
#include <dsup.h>

#include "timetable/scroller_link.h"

using namespace dsup::timetable;

namespace {

// The requests of DSupTTListSelect that are no row.
constexpr LONG hideSelection = -2;
constexpr LONG showSelection = -1;

}  // namespace

extern "C" DSUP_API void DSUP_CALL DSupTTEnableEnter(HWND dialog, DSupTTData* table, BOOL enable) noexcept {
  if (!table) return;
  table->enterPending = enable;
  if (enable) {
    DSupSetEnterButtonId(dialog, IDC_TT_ENTER);
    DSupEnableDlgItem(dialog, IDC_TT_ENTER, TRUE);
    const HWND button = GetDlgItem(dialog, IDC_TT_ENTER);
    SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    InvalidateRect(button, nullptr, TRUE);
    UpdateWindow(button);
  } else {
    DSupSetEnterButtonId(dialog, IDC_TT_NOROW_ENTER);
    DSupEnableDlgItem(dialog, IDC_TT_ENTER, FALSE);
  }
  if (table->selShown) {
    table->selShown = FALSE;
    invertSelection(dialog, *table);
  }
}

extern "C" DSUP_API void DSUP_CALL DSupTTListSelect(HWND dialog, DSupTTData* table, LONG request) noexcept {
  if (!table) return;
  if (request == hideSelection || request == showSelection) {
    const BOOL show = request == showSelection;
    if (!table->selShown == !show) return;
    invertSelection(dialog, *table);
    table->selShown = show;
    return;
  }
  if (request < 0 || request >= table->maxRows) return;
  if (table->selShown) invertSelection(dialog, *table);
  table->selRow = table->anchorRow = request;
  invertSelection(dialog, *table);
  table->selShown = TRUE;
}
