// The run-time field handler as the user meets it: "Off" typed into the stop or post time field,
// times checked against their limits, the warning of stop mode 4, and fields that are no run-time
// entries.
#include <cstring>
#include <string>

#include "dialog/run_time_dialog.h"

#if DSUP_SIMULATION
#include "sim/trace.h"
#endif

namespace dsuptest {

namespace {

using RunTimeFields = RunTimeDialogTest;

std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

TEST_F(RunTimeFields, OffInAnyCaseWithBlanksTurnsTheStopTimeOffInEveryMode) {
  const char16_t* typed[] = {u"off", u"  OFF", u"Off  ", u" oFf ", u"  ofF  "};
  for (LONG mode = 1; mode <= 5; ++mode) {
    SCOPED_TRACE("stop mode " + std::to_string(mode));
    times = {0, 10, 0, 1, mode, 5, 1};
    handled.clear();
    user.type(typed[mode - 1]).tab().escape();  // no range check: no box to answer
    EXPECT_EQ(run(runTimeDialog), 0);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_TRUE(handled[0].result);
    EXPECT_EQ(handled[0].shown, (std::vector<int>{IDC_STOPTIME_OFF, IDC_POSTTIME}));
    EXPECT_EQ(times.stopTime, 0.2f);
    EXPECT_EQ(times.stopState, 2);
  }
}

struct StopTimeCase {
  const char16_t* typed;
  INT digits;
  const char16_t* message;  // the box shown, or null when the stop time is accepted
  const char16_t* shown;    // the field's text afterwards
  FLOAT stopTime;
};

TEST_F(RunTimeFields, StopTimeIsCheckedFromTheSmallestStopTimeToTheMaximum) {
  const StopTimeCase cases[] = {
      {u"0.2", 1, nullptr, u"0.2", 0.2f},
      {u"12.345", 2, nullptr, u"12.35", 12.35f},  // the value as the field shows it
      {u"0.1", 2, u"Stop time: The value lies outside the permitted range. Enter 0.20 to 60.00 min.", u"0.1", 5},
      {u"60.5", 2, u"Stop time: The value lies outside the permitted range. Enter 0.20 to 60.00 min.", u"60.5", 5},
      {u"5\b", 2, u"Stop time: The field is empty, but it needs a value. Enter 0.20 to 60.00 min.", u"", 5},
      // Off is the whole text or nothing.
      {u"Off   9", 2, u"Stop time: The entry is not a number. Enter 0.20 to 60.00 min.", u"Off   9", 5},
      // Shown as 0, the stop time is below the smallest stop time as well: the check rejects it
      // before it could count as "Off".
      {u"0.3", 0, u"Stop time: The value lies outside the permitted range. Enter 0.20 to 60.00 min.", u"0", 5},
  };
  for (const StopTimeCase& c : cases) {
    SCOPED_TRACE(narrow(c.typed));
    times = {0, 0, 0, 1, 1, 5, 1};
    digits = c.digits;
    handled.clear();
    const std::size_t boxesBefore = user.answeredMessageBoxes().size();
    user.type(c.typed).tab();
    if (c.message) user.answerMessageBox(IDOK);
    user.escape();
    EXPECT_EQ(run(runTimeDialog), 0);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_EQ(handled[0].result, c.message ? FALSE : TRUE);
    EXPECT_EQ(handled[0].text, c.shown);
    EXPECT_EQ(handled[0].focus, c.message ? IDC_STOPTIME : IDC_POSTTIME) << "a rejected field holds the focus";
    EXPECT_EQ(handled[0].shown, (std::vector<int>{IDC_STOPTIME, IDC_POSTTIME}));
    EXPECT_EQ(times.stopTime, c.stopTime);
    EXPECT_EQ(times.stopState, 1);
    const std::vector<std::u16string> boxes = user.answeredMessageBoxes();
    ASSERT_EQ(boxes.size(), boxesBefore + (c.message ? 1 : 0));
    if (c.message) {
      EXPECT_EQ(boxes.back(), c.message);
    }
  }
}

struct WarningCase {
  LONG mode;
  FLOAT compareTime;
  const char16_t* typed;
  FLOAT stopTime;
  bool warns;
};

TEST_F(RunTimeFields, StopModeFourWarnsOfAStopTimeAboveTheCompareTime) {
  const WarningCase cases[] = {
      {4, 10, u"12", 12, true},
      {4, 0, u"12", 12, false},   // no compare time
      {4, 10, u"8", 8, false},    // below it
      {4, 10, u"10", 10, false},  // at it
      {1, 10, u"12", 12, false},  // another mode
  };
  for (const WarningCase& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + " compare " + std::to_string(c.compareTime) + " " +
                 narrow(c.typed));
    times = {0, c.compareTime, 0, 1, c.mode, 5, 1};
    handled.clear();
    const std::size_t boxesBefore = user.answeredMessageBoxes().size();
    user.type(c.typed).tab();
    if (c.warns) user.answerMessageBox(IDOK);
    user.escape();
    EXPECT_EQ(run(runTimeDialog), 0);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_TRUE(handled[0].result) << "the warning is advice: the value stands";
    EXPECT_EQ(times.stopTime, c.stopTime);
    EXPECT_EQ(handled[0].focus, c.warns ? IDC_STOPTIME : IDC_POSTTIME) << "after the warning the stop time has the focus";
    const std::vector<std::u16string> boxes = user.answeredMessageBoxes();
    ASSERT_EQ(boxes.size(), boxesBefore + (c.warns ? 1 : 0));
    if (!c.warns) continue;
    EXPECT_EQ(boxes.back(), u"The stop time is longer than the gradient.");
#if DSUP_SIMULATION
    const sim::MessageBoxRecord box = sim::messageBoxes().back();
    EXPECT_EQ(box.caption, u"ERROR");
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(box.owner, dialogShown);
#endif
  }
}

struct PostTimeCase {
  LONG postOffBefore;
  const char16_t* typed;
  BOOL result;
  FLOAT postTime;
  LONG postOff;
  int shown;                // IDC_POSTTIME or IDC_POSTTIME_OFF
  const char16_t* message;  // the box shown, or null
};

TEST_F(RunTimeFields, PostTimeIsANumberOrOff) {
  const PostTimeCase cases[] = {
      {0, u"OFF ", TRUE, 0.01f, 1, IDC_POSTTIME_OFF, nullptr},
      {1, u" off", TRUE, 0.01f, 0, IDC_POSTTIME, nullptr},  // whatever the record said before
      {0, u"2.5", TRUE, 2.5f, 0, IDC_POSTTIME, nullptr},
      {0, u"0", TRUE, 0.01f, 1, IDC_POSTTIME_OFF, nullptr},  // 0 is "Off"
      {0, u"31", FALSE, 1, 0, IDC_POSTTIME,
       u"Post time: The value lies outside the permitted range. Enter 0.00 to 30.00 min."},
  };
  for (const PostTimeCase& c : cases) {
    SCOPED_TRACE(narrow(c.typed));
    times = {0, 0, c.postOffBefore, 1, 1, 5, 1};
    handled.clear();
    const std::size_t boxesBefore = user.answeredMessageBoxes().size();
    user.tab().type(c.typed).tab();
    if (c.message) user.answerMessageBox(IDOK);
    user.escape();
    EXPECT_EQ(run(runTimeDialog), 0);
    ASSERT_EQ(handled.size(), 1u);
    EXPECT_EQ(handled[0].field, IDC_POSTTIME);
    EXPECT_EQ(handled[0].result, c.result);
    EXPECT_EQ(handled[0].shown, (std::vector<int>{IDC_STOPTIME, c.shown}));
    EXPECT_EQ(times.postTime, c.postTime);
    EXPECT_EQ(times.postOff, c.postOff);
    EXPECT_EQ(times.stopTime, 5) << "the stop time is not touched";
    const std::vector<std::u16string> boxes = user.answeredMessageBoxes();
    ASSERT_EQ(boxes.size(), boxesBefore + (c.message ? 1 : 0));
    if (c.message) {
      EXPECT_EQ(boxes.back(), c.message);
    }
  }
}

TEST_F(RunTimeFields, OtherFieldsAreNoRunTimeEntries) {
  times = {0, 10, 0, 1, 4, 5, 1};
  const DSupRunTimeData before = times;
  user.tab().tab().type(u"Off").tab().escape();
  EXPECT_EQ(run(runTimeDialog), 0);
  ASSERT_EQ(handled.size(), 1u);
  EXPECT_EQ(handled[0].field, flowField);
  EXPECT_FALSE(handled[0].result);
  EXPECT_EQ(std::memcmp(&times, &before, sizeof times), 0);
  EXPECT_EQ(handled[0].shown, (std::vector<int>{IDC_STOPTIME, IDC_POSTTIME}));
}

}  // namespace

}  // namespace dsuptest
