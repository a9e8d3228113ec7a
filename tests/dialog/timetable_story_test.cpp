// A timetable as a user edits it: five rows entered one after the other, two of them selected and
// deleted, a selection extended, a row changed, and the table cleared; the driver's rows and the
// scroller's agree at every step.
#include <qxscroller.h>

#include <algorithm>

#include "dialog/timetable_fixture.h"

namespace dsuptest {
namespace {

using Texts = std::vector<std::u16string>;

TEST_F(TimetableTest, UserEntersDeletesExtendsChangesAndClears) {
  const auto agree = [&](HWND dialog) { expectRowsAgree(dialog); };
  user.click(IDC_TT_FIRSTFIELD);
  for (const char16_t* row : {u"0.5 start", u"1.0 ramp", u"2.0 hold", u"3.5 cool", u"4.0 stop"})
    user.type(row).enter().look(agree).wait(200);
  user.look([&](HWND dialog) {
    EXPECT_EQ(driverRows(), (Texts{u"0.5 start", u"1.0 ramp", u"2.0 hold", u"3.5 cool", u"4.0 stop"}));
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TT_SCROLLER, SCM_GETTOPROW, 0, 0), 1)
        << "the end-of-table line after the fifth row was scrolled into view";
  });
  // Rows 1 and 2 selected and deleted.
  user.clickRow(IDC_TT_SCROLLER, 1).look(agree).wait(200).clickRow(IDC_TT_SCROLLER, 2, true).look(agree);
  user.click(IDC_TT_DELETE).look([&](HWND dialog) {
    EXPECT_EQ(driverRows(), (Texts{u"0.5 start", u"3.5 cool", u"4.0 stop"}));
    agree(dialog);
  });
  // A selection from row 2 extended up to row 1, then row 1 chosen and changed.
  user.wait(200).clickRow(IDC_TT_SCROLLER, 2).look(agree).wait(200).clickRow(IDC_TT_SCROLLER, 1, true);
  user.look([&](HWND dialog) {
    EXPECT_TRUE(table.selShown);
    EXPECT_EQ(table.selRow, 1);
    EXPECT_EQ(table.anchorRow, 2);
    agree(dialog);
  });
  user.wait(200).clickRow(IDC_TT_SCROLLER, 1).look([&](HWND dialog) {
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_TT_FIRSTFIELD, nullptr, FALSE), 3u) << "the chosen row is in the field";
    agree(dialog);
  });
  user.tab().type(u"3.0 cool").wait(200).enter().look([&](HWND dialog) {
    EXPECT_EQ(driverRows(), (Texts{u"0.5 start", u"3.0 cool", u"4.0 stop"}));
    EXPECT_FALSE(table.selShown) << "the changed row was chosen, the selection hidden as Enter ended";
    agree(dialog);
  });
  // The table cleared with OK.
  user.wait(200).click(IDC_TT_CLEAR).answerMessageBox(IDOK).look([&](HWND dialog) {
    EXPECT_EQ(driverRows(), Texts{});
    EXPECT_EQ(table.selRow, -1);
    EXPECT_EQ(table.anchorRow, -1);
    EXPECT_EQ(focusedId(), IDC_TT_CLEAR);
    agree(dialog);
  });
  user.click(okButton);
  EXPECT_EQ(runTimetable(), IDOK);
  EXPECT_EQ(driverLog.back(), "update");
  EXPECT_EQ(std::count(driverLog.begin(), driverLog.end(), "cleared"), 1);
}

}  // namespace
}  // namespace dsuptest
