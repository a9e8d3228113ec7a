// The scroller's notifications that a driver passes on: row texts, clicks with their gate,
// selecting a row and extending the selection.
#include <dsup.h>

#include <algorithm>

#include "host/sibling_services.h"
#include "timetable/driver_messages.h"
#include "timetable/scroller_link.h"

using namespace dsup::timetable;

namespace {

// A click within this many milliseconds after a carried-out click is taken for the same one.
constexpr DWORD clickGateMilliseconds = 170;
constexpr WCHAR endLineFill = '-';

// Whether the click gate is closed for a click at `messageTime`: the click came before
// nextClickTime, which is at most 170 ms ahead of the tick count for a gate that a click set. The
// times are compared by their difference, so that a tick count past 2^31 (or wrapping at 2^32)
// does not close the gate for good, nor does a gate left from long ago or never set.
bool clickGateClosed(const DSupTTData& table, DWORD messageTime, DWORD now) {
  const auto gate = static_cast<DWORD>(table.nextClickTime);
  const auto ahead = static_cast<LONG>(gate - messageTime);
  const auto aheadOfNow = static_cast<LONG>(gate - now);
  return ahead > 0 && aheadOfNow <= static_cast<LONG>(clickGateMilliseconds);
}

LONG answerRowText(HWND dialog, const DSupTTData& table, LONG row, const DriverTexts& texts) {
  WCHAR text[DSUP_TT_ROWTEXT_CAPACITY] = {};
  BOOL highlighted = FALSE;
  if (row >= 0 && row < table.rowCount) {
    sendToDialog(dialog, table, TTM_GETROWTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    // A dialog that fills the whole buffer leaves no terminator: the text is cut to fit.
    text[DSUP_TT_ROWTEXT_CAPACITY - 1] = 0;
    highlighted = table.selShown && isSelected(table, row);
  } else if (row == table.rowCount) {
    loadDriverText(dialog, texts.endLine, text, DSUP_TT_ROWTEXT_CAPACITY);
    // The padding cannot be told the buffer's size: the width asked for stays within it.
    UtilPadText(text, std::min<LONG>(table.endLineWidth, DSUP_TT_ROWTEXT_CAPACITY - 1), endLineFill);
  }
  return static_cast<LONG>(sendToScroller(dialog, SCM_SETROWTEXT, highlighted, reinterpret_cast<LPARAM>(text)));
}

void selectRow(HWND dialog, DSupTTData& table, LONG row) {
  DSupTTListSelect(dialog, &table, -2);
  postToDialog(dialog, table, TTM_ROWSELECTED, static_cast<WPARAM>(row), 0);
  if (row >= 0 && row < table.rowCount) {
    table.selRow = table.anchorRow = row;
    table.selShown = TRUE;
    sendToScroller(dialog, SCM_REDRAWROWS, 0, rowRange(row, row));
  } else {
    table.selShown = FALSE;
  }
}

void clickRow(HWND dialog, DSupTTData& table, LONG row, const DriverTexts& texts) {
  const DWORD now = GetTickCount();
  if (clickGateClosed(table, static_cast<DWORD>(GetMessageTime()), now)) return;
  table.nextClickTime = static_cast<LONG>(now + clickGateMilliseconds);
  if (table.enterPending) {
    table.fromScroller = TRUE;
    const LONG entered = DSupTTPushButtonHandler(dialog, &table, IDC_TT_ENTER, texts.endLine, texts.clearQuery,
                                                 texts.exists, texts.noMemory, texts.tooMany);
    table.fromScroller = FALSE;
    if (!entered) return;  // the pending row was refused: the click is dropped
  }
  selectRow(dialog, table, row);
}

void extendSelection(HWND dialog, DSupTTData& table, LONG row) {
  if (!table.selShown) return;
  DSupTTListSelect(dialog, &table, -2);
  sendToDialog(dialog, table, TTM_UPDATE, 0, 0);
  table.selRow = std::min(row, table.rowCount - 1);
  table.selShown = TRUE;
  sendToScroller(dialog, SCM_REDRAWROWS, 0, rowRange(table.selRow, table.anchorRow));
}

}  // namespace

extern "C" DSUP_API LONG DSUP_CALL DSupTTProcessScroller(HWND dialog, WORD code, LONG row, DSupTTData* table,
                                                         WORD endLineMsg, WORD clearQueryMsg, WORD existsMsg,
                                                         WORD noMemoryMsg, WORD tooManyMsg) noexcept {
  if (!table) return 0;
  const DriverTexts texts{endLineMsg, clearQueryMsg, existsMsg, noMemoryMsg, tooManyMsg};
  switch (code) {
    case TTN_GETROWTEXT: return answerRowText(dialog, *table, row, texts);
    case TTN_CLICK:
    case TTN_CLICK_KEY: clickRow(dialog, *table, row, texts); break;
    case TTN_SELECT: selectRow(dialog, *table, row); break;
    case TTN_EXTEND:
    case TTN_EXTEND_KEY: extendSelection(dialog, *table, row); break;
  }
  return 0;
}
