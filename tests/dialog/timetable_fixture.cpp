#include "dialog/timetable_fixture.h"

#include <lumoport32.h>
#include <qxscroller.h>

#include <algorithm>

namespace dsuptest {

TimetableTest* TimetableTest::current = nullptr;

namespace {

WNDPROC scrollerProcedure = nullptr;

const char* scrollerMessageName(UINT message) {
  switch (message) {
    case SCM_REDRAWROWS: return "SCM_REDRAWROWS";
    case SCM_SETROWCOUNT: return "SCM_SETROWCOUNT";
    case SCM_INSERTROWS: return "SCM_INSERTROWS";
    case SCM_DELETEROWS: return "SCM_DELETEROWS";
    case SCM_INVERTROWS: return "SCM_INVERTROWS";
    case SCM_SHOWROW: return "SCM_SHOWROW";
    case SCM_ISROWVISIBLE: return "SCM_ISROWVISIBLE";
    default: return nullptr;
  }
}

// Logs the scroller messages that the library sends while a button command runs.
LRESULT CALLBACK recordingScroller(HWND scroller, UINT message, WPARAM wParam, LPARAM lParam) {
  TimetableTest* test = TimetableTest::current;
  const char* name = scrollerMessageName(message);
  if (test->recordScroller && name) {
    const bool range = message == SCM_REDRAWROWS || message == SCM_DELETEROWS || message == SCM_INVERTROWS;
    test->scrollerMessages.push_back(std::string(name) + " " + std::to_string(static_cast<INT_PTR>(wParam)) + " " +
                                     (range ? std::to_string(LOWORD(lParam)) + ".." + std::to_string(HIWORD(lParam))
                                            : std::to_string(lParam)));
  }
  return CallWindowProcW(scrollerProcedure, scroller, message, wParam, lParam);
}

DriverRow* lockRows(HWND dialog, DSupTTData& table) {
  return static_cast<DriverRow*>(DSupTTGetMemory(dialog, &table, TTMEM_LOCK, tableExistsText, noRowMemoryText,
                                                 tooManyRowsText));
}

void unlockRows(HWND dialog, DSupTTData& table) {
  DSupTTGetMemory(dialog, &table, TTMEM_UNLOCK, tableExistsText, noRowMemoryText, tooManyRowsText);
}

std::u16string rowText(const DriverRow& row) {
  const auto* units = reinterpret_cast<const char16_t*>(row.text);
  return std::u16string(units, std::find(units, units + std::size(row.text), u'\0'));
}

void storeText(DriverRow& row, const std::u16string& text) {
  std::fill(std::begin(row.text), std::end(row.text), WCHAR{0});
  std::copy_n(text.begin(), std::min(text.size(), std::size(row.text)), row.text);
}

std::u16string fieldText(HWND dialog) {
  WCHAR text[64] = {};
  GetDlgItemTextW(dialog, IDC_TT_FIRSTFIELD, text, 64);
  return dsuptest::text(text);
}

void enterRow(HWND dialog, DSupTTData& table, WPARAM fromScroller, const DSupTTEnterRow& record) {
  TimetableTest& test = *TimetableTest::current;
  test.driverLog.push_back(fromScroller ? "enter from scroller" : "enter");
  const std::u16string typed = fieldText(dialog);
  if (typed.empty() || typed == u"bad") {
    *record.outcome = TT_ENTER_REFUSED;
    test.driverLog.push_back("refused");
    return;
  }
  if (test.chosenRow < table.rowCount) {
    DriverRow* rows = lockRows(dialog, table);
    storeText(rows[test.chosenRow], typed);
    unlockRows(dialog, table);
    *record.outcome = TT_ENTER_CHANGED;
    *record.rowNumber = test.chosenRow;
    return;
  }
  auto* rows = static_cast<DriverRow*>(
      DSupTTGetMemory(dialog, &table, TTMEM_LOCK | TTMEM_ADD, tableExistsText, noRowMemoryText, tooManyRowsText));
  if (!rows) {
    *record.outcome = TT_ENTER_REFUSED;
    return;
  }
  storeText(rows[table.rowCount - 1], typed);
  unlockRows(dialog, table);
  *record.outcome = TT_ENTER_ADDED;
  *record.rowNumber = table.rowCount - 1;
}

// Removes the rows of the range: the later rows move down, then the last rows go.
void deleteRows(HWND dialog, DSupTTData& table, const PortRowRange& range) {
  TimetableTest::current->driverLog.push_back("delete " + std::to_string(range.firstRow) + ".." +
                                              std::to_string(range.lastRow));
  DriverRow* rows = lockRows(dialog, table);
  std::copy(rows + range.lastRow + 1, rows + table.rowCount, rows + range.firstRow);
  unlockRows(dialog, table);
  for (LONG removed = 0; removed < range.rowCount; ++removed)
    DSupTTGetMemory(dialog, &table, TTMEM_RESIZE, tableExistsText, noRowMemoryText, tooManyRowsText);
}

// Writes the row's text into the editor's buffer as a careless driver does: a text that fills
// the buffer is written without a terminator.
void writeRowText(HWND dialog, DSupTTData& table, LONG row, LPWSTR buffer) {
  DriverRow* rows = lockRows(dialog, table);
  const std::u16string text = rowText(rows[row]);
  unlockRows(dialog, table);
  const std::size_t written = std::min<std::size_t>(text.size(), DSUP_TT_ROWTEXT_CAPACITY);
  std::copy_n(text.begin(), written, buffer);
  if (written < DSUP_TT_ROWTEXT_CAPACITY) buffer[written] = 0;
}

void chooseRow(HWND dialog, DSupTTData& table, LONG row) {
  TimetableTest& test = *TimetableTest::current;
  test.driverLog.push_back("selected " + std::to_string(row));
  test.chosenRow = row;
  if (row >= table.rowCount) return;
  DriverRow* rows = lockRows(dialog, table);
  const std::u16string text = rowText(rows[row]);
  unlockRows(dialog, table);
  DSupSetTextField(dialog, IDC_TT_FIRSTFIELD, w(text));
}

void createRows(HWND dialog, DSupTTData& table, const std::vector<std::u16string>& texts) {
  if (texts.empty()) return;
  auto* rows = static_cast<DriverRow*>(DSupTTGetMemory(dialog, &table,
                                                       static_cast<WORD>(TTMEM_LOCK | TTMEM_ADD | texts.size()),
                                                       tableExistsText, noRowMemoryText, tooManyRowsText));
  for (std::size_t row = 0; row < texts.size(); ++row) storeText(rows[row], texts[row]);
  unlockRows(dialog, table);
}

INT_PTR CALLBACK timetableDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  TimetableTest& test = *TimetableTest::current;
  DSupTTData& table = test.table;
  switch (message) {
    case WM_INITDIALOG: {
      createRows(dialog, table, test.initialRows);
      test.chosenRow = table.rowCount;
      const HWND scroller = GetDlgItem(dialog, IDC_TT_SCROLLER);
      scrollerProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
          scroller, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(recordingScroller))));
      SendMessageW(scroller, SCM_SETROWCOUNT, static_cast<WPARAM>(table.rowCount), 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_TT_SCROLLER) {
        const auto row = static_cast<LONG>(SendMessageW(reinterpret_cast<HWND>(lParam), SCM_GETNOTIFYROW, 0, 0));
        DSupTTProcessScroller(dialog, HIWORD(wParam), row, &table, endLineText, clearQueryText, tableExistsText,
                              noRowMemoryText, tooManyRowsText);
      }
      return TRUE;
    case timetableMessages + TTM_ENTERROW:
      enterRow(dialog, table, wParam, *reinterpret_cast<const DSupTTEnterRow*>(lParam));
      return TRUE;
    case timetableMessages + TTM_DELETEROWS:
      deleteRows(dialog, table, *reinterpret_cast<const PortRowRange*>(lParam));
      return TRUE;
    case timetableMessages + TTM_CLEARED:
      test.driverLog.push_back("cleared");
      return TRUE;
    case timetableMessages + TTM_GETROWTEXT:
      writeRowText(dialog, table, static_cast<LONG>(wParam), reinterpret_cast<LPWSTR>(lParam));
      return TRUE;
    case timetableMessages + TTM_ROWSELECTED:
      chooseRow(dialog, table, static_cast<LONG>(wParam));
      return TRUE;
    case timetableMessages + TTM_UPDATE:
      test.driverLog.push_back("update");
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void TimetableTest::SetUp() {
  StandardDialogTest::SetUp();
  current = this;
  addTemplate(timetableDialog,
              {{u"" QXSCROLLER_CLASSNAME_ASCII, IDC_TT_SCROLLER, WS_VISIBLE | WS_TABSTOP, nullptr, 4, 4, 80, 40},
               {u"Edit", IDC_TT_FIRSTFIELD, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 100, 4, 60, 12},
               {u"Button", IDC_TT_ENTER, WS_VISIBLE | WS_TABSTOP | WS_DISABLED, u"Enter", 100, 20, 40, 14},
               {u"Button", IDC_TT_DELETE, WS_VISIBLE | WS_TABSTOP, u"Delete", 100, 40, 40, 14},
               {u"Button", IDC_TT_CLEAR, WS_VISIBLE | WS_TABSTOP, u"Clear", 150, 40, 40, 14},
               {u"Button", okButton, WS_VISIBLE | WS_TABSTOP, u"OK", 100, 60, 40, 14},
               {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP, u"Cancel", 150, 60, 40, 14}});
  addText(endLineText, u"End");
  addText(clearQueryText, u"Clear the whole table?");
  addText(tableExistsText, u"The table exists");
  addText(noRowMemoryText, u"No memory for the table");
  addText(tooManyRowsText, u"The table is full");
  table.rowSize = sizeof(DriverRow);
  table.maxRows = 8;
  table.endLineWidth = 12;
  table.msgBase = timetableMessages;
  behaviour.dialogProc = timetableDialogProc;
  behaviour.onFieldChange = [this](HWND dialog, int id) {
    if (id == IDC_TT_FIRSTFIELD) DSupTTEnableEnter(dialog, &table, TRUE);
  };
  behaviour.onCommand = [this](HWND dialog, int id) {
    if (id == okButton) return EndDialog(dialog, IDOK), TRUE;
    if (id == IDC_TT_ENTER || id == IDC_TT_DELETE || id == IDC_TT_CLEAR) {
      scrollerMessages.clear();
      recordScroller = true;
      const LONG entered = DSupTTPushButtonHandler(dialog, &table, static_cast<WORD>(id), endLineText, clearQueryText,
                                                   tableExistsText, noRowMemoryText, tooManyRowsText);
      recordScroller = false;
      if (id == IDC_TT_ENTER) driverLog.push_back(entered ? "entered" : "not entered");
    }
    return TRUE;
  };
}

void TimetableTest::TearDown() {
  if (table.hRows) GlobalFree(table.hRows);
  current = nullptr;
  StandardDialogTest::TearDown();
}

INT TimetableTest::runTimetable(const std::vector<std::u16string>& rows) {
  initialRows = rows;
  return run(timetableDialog, {IDC_TT_NOROW_ENTER});
}

std::vector<std::u16string> TimetableTest::driverRows() const {
  std::vector<std::u16string> texts;
  if (!table.hRows) return texts;
  const auto* rows = static_cast<const DriverRow*>(GlobalLock(table.hRows));
  for (LONG row = 0; row < table.rowCount; ++row) texts.push_back(rowText(rows[row]));
  GlobalUnlock(table.hRows);
  return texts;
}

std::vector<std::u16string> TimetableTest::shownRows(HWND dialog) {
  const HWND scroller = GetDlgItem(dialog, IDC_TT_SCROLLER);
  std::vector<std::u16string> shown;
  const auto top = static_cast<int>(SendMessageW(scroller, SCM_GETTOPROW, 0, 0));
  for (int row = top; row < top + rowsInView; ++row) {
    WCHAR text[256] = {};
    SendMessageW(scroller, SCM_GETROWTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    const bool highlighted = SendMessageW(scroller, SCM_ISROWHIGHLIGHTED, static_cast<WPARAM>(row), 0);
    shown.push_back(dsuptest::text(text) + (highlighted ? u"*" : u""));
  }
  return shown;
}

std::u16string TimetableTest::endLine() const {
  std::u16string line = u"End";
  const LONG width = std::min<LONG>(table.endLineWidth, DSUP_TT_ROWTEXT_CAPACITY - 1);
  if (width > 3) line.resize(static_cast<std::size_t>(width), u'-');
  return line;
}

void TimetableTest::expectRowsAgree(HWND dialog) {
  const HWND scroller = GetDlgItem(dialog, IDC_TT_SCROLLER);
  EXPECT_EQ(SendMessageW(scroller, SCM_GETROWCOUNT, 0, 0), table.rowCount);
  const auto top = static_cast<int>(SendMessageW(scroller, SCM_GETTOPROW, 0, 0));
  std::vector<std::u16string> expected;
  const std::vector<std::u16string> rows = driverRows();
  for (int row = top; row < top + rowsInView; ++row) {
    const bool highlighted = table.selShown && row >= std::min(table.selRow, table.anchorRow) &&
                             row <= std::max(table.selRow, table.anchorRow);
    if (row < table.rowCount)
      expected.push_back(rows[static_cast<std::size_t>(row)].substr(0, DSUP_TT_ROWTEXT_CAPACITY - 1) +
                         (highlighted ? u"*" : u""));
    else
      expected.push_back(row == table.rowCount ? endLine() : u"");
  }
  EXPECT_EQ(shownRows(dialog), expected);
}

}  // namespace dsuptest
