// The click gate of the timetable editor on the settable clock: a click less than 170 ms after a
// carried-out one is taken for the same click, whatever the tick count (past 2^31, wrapping at
// 2^32), and a gate left in the descriptor from long ago or never set keeps no click out.
#include "dialog/timetable_fixture.h"
#include "sim/clock.h"

namespace dsuptest {
namespace {

using Log = std::vector<std::string>;

TEST_F(TimetableTest, ClickLessThan170MsAfterTheLastIsIgnored) {
  struct Gap {
    DWORD tickAtStart;
    LONG gateAtStart;  // nextClickTime as the descriptor comes
    std::uint32_t milliseconds;
    Log seen;
  };
  const Log both{"selected 0", "selected 1"}, firstOnly{"selected 0"};
  const Gap gaps[] = {
      {1000, 0, 100, firstOnly},           {1000, 0, 169, firstOnly},
      {1000, 0, 170, both},                {0x90000000u, 0, 100, firstOnly},
      {0x90000000u, 0, 200, both},         // The gate that the first click sets wraps at 2^32.
      {0xFFFFFFC0u, static_cast<LONG>(0xFFFFFF00u), 100, firstOnly},
      {0xFFFFFFC0u, static_cast<LONG>(0xFFFFFF00u), 200, both},
      // Gates that no click of this dialog set: far ahead of the tick count, or 2^31 away.
      {5000, 5000 + 100000, 200, both},
      {5000, static_cast<LONG>(0x90000000u), 200, both},
  };
  for (const Gap& gap : gaps) {
    sim::setTickCount(gap.tickAtStart);
    table.nextClickTime = gap.gateAtStart;
    driverLog.clear();
    user.clickRow(IDC_TT_SCROLLER, 0).wait(gap.milliseconds).clickRow(IDC_TT_SCROLLER, 1).click(okButton);
    EXPECT_EQ(runTimetable({u"A", u"B"}), IDOK);
    EXPECT_EQ(driverLog, gap.seen) << "tick " << gap.tickAtStart << ", " << gap.milliseconds << " ms";
    GlobalFree(table.hRows);
    table.hRows = nullptr;
    table.rowCount = 0;
  }
}

TEST_F(TimetableTest, EnterRightAfterAClickKeepsTheEnterClickOut) {
  user.clickRow(IDC_TT_SCROLLER, 0).click(IDC_TT_FIRSTFIELD).type(u"first").enter().click(okButton);
  EXPECT_EQ(runTimetable(), IDOK);
  EXPECT_EQ(driverLog, (Log{"selected 0", "enter", "entered"})) << "no row chosen after the new row";
  EXPECT_EQ(scrollerMessages,
            (Log{"SCM_SETROWCOUNT 0 0", "SCM_INSERTROWS 1 0", "SCM_REDRAWROWS 0 0..1", "SCM_ISROWVISIBLE 1 0"}));
}

}  // namespace
}  // namespace dsuptest
