// The timetable editor's edge cases as a user meets them in a driver's dialog: the end-of-table
// line, extending beyond the table or without a selection, a click while a refused row waits,
// deleting, clearing with nothing to do or answered with Cancel, the first row of an empty table
// with the scroller messages it takes, and row texts that fill the editor's buffer.
#include "dialog/timetable_fixture.h"

namespace dsuptest {
namespace {

using Texts = std::vector<std::u16string>;
using Log = std::vector<std::string>;

// Lets the click gate of the last click open.
constexpr std::uint32_t afterTheGate = 200;

TEST_F(TimetableTest, ClickOnTheEndOfTableLineChoosesItAndShowsNoSelection) {
  user.clickRow(IDC_TT_SCROLLER, 3).look([&](HWND dialog) {
    EXPECT_EQ(driverLog, Log{"selected 3"});
    EXPECT_FALSE(table.selShown);
    EXPECT_EQ(shownRows(dialog), (Texts{u"A", u"B", u"C", endLine(), u""}));
  });
  user.click(okButton);
  EXPECT_EQ(runTimetable({u"A", u"B", u"C"}), IDOK);
}

TEST_F(TimetableTest, ExtendingStopsAtTheLastRowAndNeedsAShownSelection) {
  struct Extension {
    int clicked;   // the row clicked first (3: the end-of-table line)
    int extended;  // the row extended to with Shift
    bool shown;
    LONG selRow;
    LONG anchorRow;
  };
  const Extension extensions[] = {{1, 4, true, 2, 1}, {2, 0, true, 0, 2}, {3, 1, false, 3, 3}};
  for (const Extension& extension : extensions) {
    user.clickRow(IDC_TT_SCROLLER, extension.clicked).wait(afterTheGate);
    user.clickRow(IDC_TT_SCROLLER, extension.extended, true).look([&](HWND dialog) {
      EXPECT_EQ(table.selShown, extension.shown) << extension.clicked << " to " << extension.extended;
      if (extension.shown) {
        EXPECT_EQ(table.selRow, extension.selRow);
        EXPECT_EQ(table.anchorRow, extension.anchorRow);
      }
      expectRowsAgree(dialog);
    });
    user.wait(afterTheGate);
  }
  user.click(okButton);
  EXPECT_EQ(runTimetable({u"A", u"B", u"C"}), IDOK);
  EXPECT_EQ(driverLog, (Log{"selected 1", "update", "selected 2", "update", "selected 3"}))
      << "an extension updates the dialog; without a shown selection nothing happens";
}

TEST_F(TimetableTest, ClickWhileARefusedRowWaitsIsDropped) {
  // The click on row 0 puts its text into the field, where the user replaces it: Enter becomes the
  // enabled default button and the selection is hidden.
  user.clickRow(IDC_TT_SCROLLER, 0).wait(afterTheGate).click(IDC_TT_FIRSTFIELD).type(u"\bbad");
  user.look([&](HWND dialog) {
    const HWND enter = GetDlgItem(dialog, IDC_TT_ENTER);
    EXPECT_TRUE(table.enterPending);
    EXPECT_TRUE(IsWindowEnabled(enter));
    EXPECT_EQ(GetWindowLongW(enter, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_FALSE(table.selShown);
    expectRowsAgree(dialog);
  });
  user.clickRow(IDC_TT_SCROLLER, 2).look([&](HWND dialog) {
    EXPECT_EQ(driverLog, (Log{"selected 0", "enter from scroller", "refused"}));
    EXPECT_EQ(table.selRow, 0) << "the selection did not move";
    EXPECT_FALSE(table.enterPending);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_TT_ENTER)));
    EXPECT_EQ(driverRows(), (Texts{u"A", u"B", u"C"}));
    expectRowsAgree(dialog);
  });
  user.click(okButton);
  EXPECT_EQ(runTimetable({u"A", u"B", u"C"}), IDOK);
}

TEST_F(TimetableTest, ListSelectShowsHidesAndSelectsRowsBelowMaxRows) {
  struct Request {
    LONG request;
    bool shown;
    LONG selRow;
    std::vector<std::string> inverted;  // the scroller messages it sent
  };
  const Request requests[] = {
      {-1, true, 1, {"SCM_INVERTROWS 0 1..1"}},  // the remembered selection
      {-1, true, 1, {}},
      {2, true, 2, {"SCM_INVERTROWS 0 1..1", "SCM_INVERTROWS 0 2..2"}},
      {table.maxRows, true, 2, {}},
      {-3, true, 2, {}},
      {-2, false, 2, {"SCM_INVERTROWS 0 2..2"}},
      {-2, false, 2, {}},
      {7, true, 7, {"SCM_INVERTROWS 0 7..7"}},  // beyond the rows, below maxRows (8)
  };
  user.look([&](HWND dialog) {
    table.selRow = table.anchorRow = 1;
    for (const Request& request : requests) {
      scrollerMessages.clear();
      recordScroller = true;
      DSupTTListSelect(dialog, &table, request.request);
      recordScroller = false;
      EXPECT_EQ(table.selShown != FALSE, request.shown) << request.request;
      EXPECT_EQ(table.selRow, request.selRow) << request.request;
      EXPECT_EQ(table.anchorRow, request.selRow) << request.request;
      EXPECT_EQ(scrollerMessages, request.inverted) << request.request;
    }
  });
  user.click(okButton);
  EXPECT_EQ(runTimetable({u"A", u"B", u"C"}), IDOK);
}

TEST_F(TimetableTest, DeletingLeavesTheSelectionHiddenOnTheRowBefore) {
  struct Deletion {
    int first, last;
    Texts left;
    LONG selectionAfter;
  };
  // Rows 3 to 5 with Shift and the Down key (row 5 is out of view), rows 0 to 1 with Shift and a click.
  const Deletion deletions[] = {{3, 5, {u"A", u"B", u"C", u"G"}, 2}, {0, 1, {u"C", u"G"}, 0}};
  for (const Deletion& deletion : deletions) {
    user.clickRow(IDC_TT_SCROLLER, deletion.first).wait(afterTheGate);
    if (deletion.first == 3)
      user.press(VK_DOWN, true).press(VK_DOWN, true);
    else
      user.clickRow(IDC_TT_SCROLLER, deletion.last, true);
    user.click(IDC_TT_DELETE).look([&](HWND dialog) {
      EXPECT_EQ(driverRows(), deletion.left);
      EXPECT_FALSE(table.selShown);
      EXPECT_EQ(table.selRow, deletion.selectionAfter);
      EXPECT_EQ(table.anchorRow, deletion.selectionAfter);
      EXPECT_EQ(scrollerMessages.front(), "SCM_DELETEROWS 0 " + std::to_string(deletion.last) + ".." +
                                              std::to_string(deletion.first));
      expectRowsAgree(dialog);
    });
    user.wait(afterTheGate);
  }
  user.click(okButton);
  EXPECT_EQ(runTimetable({u"A", u"B", u"C", u"D", u"E", u"F", u"G"}), IDOK);
  EXPECT_EQ(driverLog, (Log{"selected 3", "update", "update", "delete 3..5", "update", "selected 0", "update",
                            "delete 0..1", "update"}));
}

TEST_F(TimetableTest, DeleteAndClearWithNothingToDoOnlyUpdate) {
  user.click(IDC_TT_DELETE).click(IDC_TT_CLEAR).click(okButton);
  EXPECT_EQ(runTimetable(), IDOK);
  EXPECT_EQ(driverLog, (Log{"update", "update"}));
  EXPECT_TRUE(user.answeredMessageBoxes().empty()) << "an empty table is cleared without asking";
  user.click(IDC_TT_DELETE).click(okButton);
  EXPECT_EQ(runTimetable({u"A"}), IDOK);
  EXPECT_EQ(driverRows(), Texts{u"A"}) << "no selection shown, nothing deleted";
}

TEST_F(TimetableTest, ClearAnsweredWithCancelKeepsTheRowsAndFocusesTheClearButton) {
  user.click(IDC_TT_FIRSTFIELD).click(IDC_TT_CLEAR).answerMessageBox(IDCANCEL).look([&](HWND dialog) {
    EXPECT_EQ(focusedId(), IDC_TT_CLEAR);
    EXPECT_EQ(driverRows(), (Texts{u"A", u"B"}));
    expectRowsAgree(dialog);
  });
  user.click(okButton);
  EXPECT_EQ(runTimetable({u"A", u"B"}), IDOK);
  EXPECT_EQ(driverLog, Log{"update"});
  EXPECT_EQ(user.answeredMessageBoxes(), Texts{u"Clear the whole table?"});
  EXPECT_TRUE(scrollerMessages.empty());
}

TEST_F(TimetableTest, FirstRowOfAnEmptyTable) {
  user.click(IDC_TT_FIRSTFIELD).type(u"first").enter().look([&](HWND dialog) {
    EXPECT_EQ(scrollerMessages,
              (Log{"SCM_SETROWCOUNT 0 0", "SCM_INSERTROWS 1 0", "SCM_REDRAWROWS 0 0..1", "SCM_ISROWVISIBLE 1 0"}));
    EXPECT_EQ(driverLog, (Log{"enter", "entered", "selected 1"})) << "the end-of-table line is chosen next";
    EXPECT_FALSE(table.selShown);
    EXPECT_EQ(focusedId(), IDC_TT_FIRSTFIELD);
    expectRowsAgree(dialog);
  });
  user.click(okButton);
  EXPECT_EQ(runTimetable(), IDOK);
  EXPECT_EQ(driverRows(), Texts{u"first"});
}

TEST_F(TimetableTest, RowTextsAreCutToTheBufferAndTheEndLineToItsWidthWithinIt) {
  struct Width {
    LONG endLineWidth;
    std::size_t endLineLength;
  };
  const std::u16string filling(DSUP_TT_ROWTEXT_CAPACITY, u'x');
  for (const Width& width : {Width{0, 3}, Width{2, 3}, Width{12, 12}, Width{119, 119}, Width{500, 119}}) {
    table = DSupTTData{};
    table.rowSize = sizeof(DriverRow);
    table.maxRows = 8;
    table.endLineWidth = width.endLineWidth;
    table.msgBase = timetableMessages;
    user.look([&](HWND dialog) {
      const Texts shown = shownRows(dialog);
      EXPECT_EQ(shown[0], filling.substr(0, DSUP_TT_ROWTEXT_CAPACITY - 1)) << "a text that fills the buffer is cut";
      EXPECT_EQ(shown[1], u"short");
      EXPECT_EQ(shown[2].size(), width.endLineLength) << "width " << width.endLineWidth;
      EXPECT_EQ(shown[2], endLine());
      EXPECT_EQ(shown[3], u"") << "beyond the end-of-table line";
    });
    user.click(okButton);
    EXPECT_EQ(runTimetable({filling, u"short"}), IDOK);
    GlobalFree(table.hRows);
    table.hRows = nullptr;
  }
}

}  // namespace
}  // namespace dsuptest
