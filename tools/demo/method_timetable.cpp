// The oven program of the method dialog: a timetable in the scroller, one row per step (time and
// temperature). The rows live in the descriptor's row memory; the library runs the selection,
// the Enter cycle, deleting and clearing, and asks the driver for the rows through its private
// messages, which are answered here.
#include <lumoport32.h>
#include <qxplatform.h>
#include <qxscroller.h>

#include <algorithm>
#include <cstdio>

#include "method_dialog.h"

namespace demo {

namespace {

constexpr UINT programMessages = WM_USER + 100;  // the descriptor's msgBase
constexpr WORD mostRows = 16;

struct ProgramRow {
  FLOAT time;
  FLOAT temperature;
};

void* rowMemory(HWND dialog, MethodEditor& editor, WORD operation) {
  return DSupTTGetMemory(dialog, &editor.program, operation, tableExistsText, noRowMemoryText, tooManyRowsText);
}

ProgramRow* lockRows(HWND dialog, MethodEditor& editor) { return static_cast<ProgramRow*>(rowMemory(dialog, editor, TTMEM_LOCK)); }
void unlockRows(HWND dialog, MethodEditor& editor) { rowMemory(dialog, editor, TTMEM_UNLOCK); }

void writeRowText(HWND dialog, MethodEditor& editor, LONG row, LPWSTR buffer) {
  const ProgramRow* rows = lockRows(dialog, editor);
  char text[64] = "";
  if (rows && row >= 0 && row < editor.program.rowCount)
    std::snprintf(text, sizeof text, "%7.2f min %6.1f C", static_cast<double>(rows[row].time),
                  static_cast<double>(rows[row].temperature));
  unlockRows(dialog, editor);
  std::size_t length = 0;
  for (; text[length] && length < DSUP_TT_ROWTEXT_CAPACITY - 1; ++length) buffer[length] = static_cast<WCHAR>(text[length]);
  buffer[length] = 0;
}

// The typed row becomes a new last step while the end-of-table line is chosen, else it changes
// the chosen step. A field that its check rejects refuses the row (the user has been told).
void enterRow(HWND dialog, MethodEditor& editor, const DSupTTEnterRow& record) {
  ProgramRow typed{};
  if (!checkRowField(dialog, rowTimeField, typed.time) || !checkRowField(dialog, rowTemperatureField, typed.temperature)) {
    *record.outcome = TT_ENTER_REFUSED;
    return;
  }
  DSupTTData& table = editor.program;
  const bool change = editor.chosenRow < table.rowCount;
  auto* rows = static_cast<ProgramRow*>(rowMemory(dialog, editor, change ? TTMEM_LOCK : TTMEM_LOCK | TTMEM_ADD));
  if (!rows) {  // the table is full or there is no memory: the library has said so
    *record.outcome = TT_ENTER_REFUSED;
    return;
  }
  const LONG row = change ? editor.chosenRow : table.rowCount - 1;
  rows[row] = typed;
  unlockRows(dialog, editor);
  *record.outcome = change ? TT_ENTER_CHANGED : TT_ENTER_ADDED;
  *record.rowNumber = row;
  // The next row typed is a new one. The library's click on the end-of-table line after the Enter
  // says so too, but its click gate swallows it when the user enters rows faster than that.
  if (!change) editor.chosenRow = table.rowCount;
}

// The later rows move down over the deleted ones, then the table loses as many rows at its end.
void deleteRows(HWND dialog, MethodEditor& editor, const PortRowRange& range) {
  ProgramRow* rows = lockRows(dialog, editor);
  if (rows) std::copy(rows + range.lastRow + 1, rows + editor.program.rowCount, rows + range.firstRow);
  unlockRows(dialog, editor);
  for (LONG removed = 0; removed < range.rowCount; ++removed) rowMemory(dialog, editor, TTMEM_RESIZE);
  editor.chosenRow = editor.program.rowCount;
}

// A chosen step comes into the entry fields for the user to change; the end-of-table line leaves
// the fields as they are, for the next step to be typed over them.
void chooseRow(HWND dialog, MethodEditor& editor, LONG row) {
  editor.chosenRow = std::min(row, editor.program.rowCount);
  if (row >= editor.program.rowCount) return;
  const ProgramRow* rows = lockRows(dialog, editor);
  if (rows) {
    DSupSetFloatField(dialog, rowTimeField, rows[row].time, 2);
    DSupSetFloatField(dialog, rowTemperatureField, rows[row].temperature, 1);
  }
  unlockRows(dialog, editor);
}

}  // namespace

void registerProgramTexts(HINSTANCE driver) {
  PlatformAddString(driver, rowTimeMessage, u"Program time: %s Allowed: %g to %g min.");
  PlatformAddString(driver, rowTemperatureMessage, u"Program temperature: %s Allowed: %g to %g C.");
  PlatformAddString(driver, endLineText, u"End of program");
  PlatformAddString(driver, clearQueryText, u"Remove every step of the oven program?");
  PlatformAddString(driver, tableExistsText, u"The oven program exists already.");
  PlatformAddString(driver, noRowMemoryText, u"There is no memory for the oven program.");
  PlatformAddString(driver, tooManyRowsText, u"The oven program holds at most 16 steps.");
  PlatformAddString(driver, programHelp, u"Oven program: %d steps, the last %.1f C at %.2f min.");
  PlatformAddString(driver, emptyProgramHelp, u"Oven program: type a time and a temperature, then Enter.");
}

bool checkRowField(HWND dialog, int field, FLOAT& value) {
  if (field == rowTimeField)
    return DSupCheckDialogFloat(dialog, field, rowTimeMessage, 0, latestRowTime, FALSE, 0, &value, nullptr, 0, 2);
  return DSupCheckDialogFloat(dialog, field, rowTemperatureMessage, lowestOven, highestOven, FALSE, 0, &value, nullptr,
                              0, 1);
}

void prepareProgram(MethodEditor& editor) {
  editor.program = {};
  editor.program.rowSize = sizeof(ProgramRow);
  editor.program.maxRows = mostRows;
  editor.program.selRow = editor.program.anchorRow = -1;
  editor.program.endLineWidth = 24;
  editor.program.msgBase = programMessages;
}

void showProgram(HWND dialog, MethodEditor& editor) {
  const std::vector<ProgramStep>& steps = editor.method.program;
  if (!steps.empty()) {
    auto* rows = static_cast<ProgramRow*>(
        rowMemory(dialog, editor, static_cast<WORD>(TTMEM_LOCK | TTMEM_ADD | std::min<std::size_t>(steps.size(), mostRows))));
    if (rows)
      for (LONG row = 0; row < editor.program.rowCount; ++row)
        rows[row] = {static_cast<FLOAT>(steps[static_cast<std::size_t>(row)].time),
                     static_cast<FLOAT>(steps[static_cast<std::size_t>(row)].temperature)};
    unlockRows(dialog, editor);
  }
  editor.chosenRow = editor.program.rowCount;
  SendDlgItemMessageW(dialog, IDC_TT_SCROLLER, SCM_SETROWCOUNT, static_cast<WPARAM>(editor.program.rowCount), 0);
  showProgramHelp(dialog, editor);
}

bool handleProgramMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, MethodEditor& editor) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_TT_SCROLLER) {
    const auto row = static_cast<LONG>(SendMessageW(reinterpret_cast<HWND>(lParam), SCM_GETNOTIFYROW, 0, 0));
    DSupTTProcessScroller(dialog, HIWORD(wParam), row, &editor.program, endLineText, clearQueryText, tableExistsText,
                          noRowMemoryText, tooManyRowsText);
    return true;
  }
  switch (message) {
    case programMessages + TTM_ENTERROW:
      enterRow(dialog, editor, *reinterpret_cast<const DSupTTEnterRow*>(lParam));
      return true;
    case programMessages + TTM_DELETEROWS:
      deleteRows(dialog, editor, *reinterpret_cast<const PortRowRange*>(lParam));
      return true;
    case programMessages + TTM_CLEARED:
      editor.chosenRow = 0;
      return true;
    case programMessages + TTM_GETROWTEXT:
      writeRowText(dialog, editor, static_cast<LONG>(wParam), reinterpret_cast<LPWSTR>(lParam));
      return true;
    case programMessages + TTM_ROWSELECTED:
      chooseRow(dialog, editor, static_cast<LONG>(wParam));
      return true;
    case programMessages + TTM_UPDATE:
      showProgramHelp(dialog, editor);
      return true;
    default:
      return false;
  }
}

void programButton(HWND dialog, int commandId, MethodEditor& editor) {
  if (DSupTTPushButtonHandler(dialog, &editor.program, static_cast<WORD>(commandId), endLineText, clearQueryText,
                              tableExistsText, noRowMemoryText, tooManyRowsText) &&
      commandId == IDC_TT_ENTER)
    showProgramHelp(dialog, editor);
}

void programFieldChanged(HWND dialog, MethodEditor& editor) { DSupTTEnableEnter(dialog, &editor.program, TRUE); }

std::vector<ProgramStep> programSteps(const MethodEditor& editor) {
  std::vector<ProgramStep> steps;
  if (!editor.program.hRows) return steps;
  const auto* rows = static_cast<const ProgramRow*>(GlobalLock(editor.program.hRows));
  for (LONG row = 0; rows && row < editor.program.rowCount; ++row) steps.push_back({rows[row].time, rows[row].temperature});
  GlobalUnlock(editor.program.hRows);
  return steps;
}

void releaseProgram(MethodEditor& editor) {
  if (editor.program.hRows) GlobalFree(editor.program.hRows);
  editor.program.hRows = nullptr;
  editor.program.rowCount = 0;
}

void showProgramHelp(HWND dialog, const MethodEditor& editor) {
  const std::vector<ProgramStep> steps = programSteps(editor);
  if (steps.empty()) {
    DSupDlgVaHelpLine(dialog, editor.driver, helpLine, emptyProgramHelp);
    return;
  }
  DSupDlgVaHelpLine(dialog, editor.driver, helpLine, programHelp, static_cast<int>(steps.size()),
                    steps.back().temperature, steps.back().time);
}

}  // namespace demo
