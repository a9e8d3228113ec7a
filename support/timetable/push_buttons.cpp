// The timetable's buttons: Enter takes the typed row into the table, Delete removes the selected
// rows, Clear empties the table after asking. Every command ends with Enter disabled.
#include <dsup.h>

#include <algorithm>

#include "host/sibling_services.h"
#include "timetable/driver_messages.h"
#include "timetable/scroller_link.h"

using namespace dsup::timetable;

namespace {

// All the text of the first field is selected after an Enter.
constexpr LPARAM wholeFieldText = 256;

// Brings the scroller's rows in line with the entered row; returns the row to click afterwards.
LONG updateScrollerRows(HWND dialog, const DSupTTData& table, LONG outcome, LONG rowNumber) {
  const LONG position = LOWORD(rowNumber);
  if (outcome == TT_ENTER_CHANGED) {
    sendToScroller(dialog, SCM_REDRAWROWS, 0,
                   table.fromScroller ? rowRange(0, table.rowCount) : rowRange(position, position));
    return position;
  }
  if (table.rowCount <= 1) sendToScroller(dialog, SCM_SETROWCOUNT, static_cast<WPARAM>(table.rowCount - 1), 0);
  const LONG inserted = rowNumber >= 0 ? position : 0;
  sendToScroller(dialog, SCM_INSERTROWS, 1, inserted);
  sendToScroller(dialog, SCM_REDRAWROWS, 0, rowRange(0, table.rowCount));
  return rowNumber >= 0 ? rowNumber + 1 : 0;
}

LONG enterRow(HWND dialog, DSupTTData& table, const DriverTexts& texts) {
  if (!table.enterPending) {
    MessageBeep(0);
    return 0;
  }
  DSupTTEnableEnter(dialog, &table, FALSE);
  LONG outcome = 0, rowNumber = 0;
  DSupTTEnterRow record{&outcome, &rowNumber};
  sendToDialog(dialog, table, TTM_ENTERROW, static_cast<WPARAM>(table.fromScroller), reinterpret_cast<LPARAM>(&record));
  if (outcome == TT_ENTER_REFUSED) return 0;
  if (outcome == TT_ENTER_ADDED || outcome == TT_ENTER_CHANGED) {
    const LONG next = updateScrollerRows(dialog, table, outcome, rowNumber);
    if (!sendToScroller(dialog, SCM_ISROWVISIBLE, static_cast<WPARAM>(next), 0))
      sendToScroller(dialog, SCM_SHOWROW, static_cast<WPARAM>(next), 0);
    DSupTTProcessScroller(dialog, TTN_CLICK, next, &table, texts.endLine, texts.clearQuery, texts.exists,
                          texts.noMemory, texts.tooMany);
    const HWND firstField = GetDlgItem(dialog, IDC_TT_FIRSTFIELD);
    SetFocus(firstField);
    PostMessageW(firstField, EM_SETSEL, 0, wholeFieldText);
  }
  return 1;
}

void deleteSelectedRows(HWND dialog, DSupTTData& table) {
  if (table.selShown) {
    PortRowRange range;
    PortMakeRowRange(&range, table.selRow, table.anchorRow, 0);
    sendToDialog(dialog, table, TTM_DELETEROWS, 0, reinterpret_cast<LPARAM>(&range));
    sendToScroller(dialog, SCM_DELETEROWS, 0, rowRange(table.selRow, table.anchorRow));
    table.selShown = FALSE;
    table.selRow = table.anchorRow = std::max<LONG>(std::min(table.selRow, table.anchorRow) - 1, 0);
  }
  sendToDialog(dialog, table, TTM_UPDATE, 0, 0);
}

void clearTable(HWND dialog, DSupTTData& table, const DriverTexts& texts) {
  if (table.rowCount != 0) {
    if (askDriverQuestion(dialog, texts.clearQuery) == IDOK) {
      DSupTTGetMemory(dialog, &table, TTMEM_FREE, texts.exists, texts.noMemory, texts.tooMany);
      table.selShown = FALSE;
      table.selRow = table.anchorRow = -1;
      sendToScroller(dialog, SCM_SETROWCOUNT, static_cast<WPARAM>(-1), 0);
      sendToScroller(dialog, SCM_SETROWCOUNT, static_cast<WPARAM>(table.rowCount), 0);
      sendToScroller(dialog, SCM_REDRAWROWS, 0, rowRange(0, table.rowCount + 1));
      sendToDialog(dialog, table, TTM_CLEARED, 0, 0);
    }
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_TT_CLEAR)), TRUE);
  }
  sendToDialog(dialog, table, TTM_UPDATE, 0, 0);
}

}  // namespace

extern "C" DSUP_API LONG DSUP_CALL DSupTTPushButtonHandler(HWND dialog, DSupTTData* table, WORD commandId,
                                                           WORD endLineMsg, WORD clearQueryMsg, WORD existsMsg,
                                                           WORD noMemoryMsg, WORD tooManyMsg) noexcept {
  if (!table) return 0;
  const DriverTexts texts{endLineMsg, clearQueryMsg, existsMsg, noMemoryMsg, tooManyMsg};
  LONG result = 0;
  switch (commandId) {
    case IDC_TT_ENTER: result = enterRow(dialog, *table, texts); break;
    case IDC_TT_DELETE: deleteSelectedRows(dialog, *table); break;
    case IDC_TT_CLEAR: clearTable(dialog, *table, texts); break;
  }
  DSupTTEnableEnter(dialog, table, FALSE);
  return result;
}
