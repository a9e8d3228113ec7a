// The fixture of the row memory tests: a driver's dialog whose Run button carries out a list of
// DSupTTGetMemory operations on one descriptor (8 rows of 4 bytes at most), the scripted user
// answering each message the library shows with OK. After each operation it notes whether a
// pointer came back (the driver then writes row number + 1 into every byte of each row and
// unlocks) and what the table holds: the first byte of each row, or "empty".
#pragma once

#include <string>
#include <vector>

#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

inline constexpr WORD rowMemoryDialog = 20;
inline constexpr int runButton = 200;
inline constexpr WORD existsText = 501, noMemoryText = 502, tooManyText = 503;

struct MemoryStep {
  WORD operation;
  bool locked;           // a pointer came back
  const char* contents;  // afterwards
  std::size_t messages;  // messages shown so far
};

class RowMemoryTest : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addTemplate(rowMemoryDialog, {{u"Button", runButton, WS_VISIBLE | WS_TABSTOP, u"Run", 10, 10, 40, 14},
                                  {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 60, 10, 40, 14}});
    addText(existsText, u"The table exists already");
    addText(noMemoryText, u"Not enough memory for the table");
    addText(tooManyText, u"Too many rows");
    table.rowSize = 4;
    table.maxRows = 8;
  }
  void TearDown() override {
    if (table.hRows) GlobalFree(table.hRows);
    StandardDialogTest::TearDown();
  }

  void* operate(HWND dialog, WORD operation) {
    return DSupTTGetMemory(dialog, &table, operation, existsText, noMemoryText, tooManyText);
  }

  std::string contents() const {
    if (!table.hRows) return "empty";
    const auto* rows = static_cast<const BYTE*>(GlobalLock(table.hRows));
    if (!rows) return "unlockable";
    std::string text;
    for (LONG row = 0; row < table.rowCount; ++row)
      text += (row ? " " : "") + std::to_string(rows[row * table.rowSize]);
    GlobalUnlock(table.hRows);
    return text;
  }

  // Runs the steps from the Run button, answering `answers` messages with OK; checks each step.
  void runSteps(const std::vector<MemoryStep>& steps, std::size_t answers) {
    behaviour.onCommand = [&](HWND dialog, int id) {
      if (id == IDOK) return EndDialog(dialog, IDOK), TRUE;
      for (const MemoryStep& step : steps) {
        auto* rows = static_cast<BYTE*>(operate(dialog, step.operation));
        EXPECT_EQ(rows != nullptr, step.locked) << "operation 0x" << std::hex << step.operation;
        if (rows) {
          for (LONG row = 0; row < table.rowCount; ++row)
            std::fill_n(rows + row * table.rowSize, table.rowSize, static_cast<BYTE>(row + 1));
          operate(dialog, TTMEM_UNLOCK);
        }
        EXPECT_EQ(contents(), step.contents) << "operation 0x" << std::hex << step.operation;
        EXPECT_EQ(table.rowCount == 0, table.hRows == nullptr) << "operation 0x" << std::hex << step.operation;
        EXPECT_EQ(user.answeredMessageBoxes().size(), step.messages) << "operation 0x" << std::hex << step.operation;
      }
      return TRUE;
    };
    user.click(runButton);
    for (std::size_t answer = 0; answer < answers; ++answer) user.answerMessageBox(IDOK);
    user.click(IDOK);
    EXPECT_EQ(run(rowMemoryDialog), IDOK);
  }

  DSupTTData table{};
};

}  // namespace dsuptest
