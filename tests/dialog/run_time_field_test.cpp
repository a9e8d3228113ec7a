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

const std::vector<int> bothFieldsShown{IDC_STOPTIME, IDC_POSTTIME};
constexpr const char16_t* stopOutOfRange = u"Stop time: The value lies outside the permitted range. Enter 0.20 to 60.00 min.";

TEST_F(RunTimeFields, OffInAnyCaseWithBlanksTurnsTheStopTimeOffInEveryMode) {
  const char16_t* typed[] = {u"off", u"  OFF", u"Off  ", u" oFf ", u"  ofF  "};
  const LONG stateBefore[] = {3, 2, 2, 1, 0};  // whatever the record held
  for (LONG mode = 1; mode <= 5; ++mode) {
    SCOPED_TRACE("stop mode " + std::to_string(mode));
    times = {0, 10, 0, stateBefore[mode - 1], mode, 5, 1};
    const Handled handled = enterField(IDC_STOPTIME, typed[mode - 1]);  // no range check: no box
    EXPECT_TRUE(handled.result);
    EXPECT_EQ(handled.shown, (std::vector<int>{IDC_STOPTIME_OFF, IDC_POSTTIME}));
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
      {u"0.1", 2, stopOutOfRange, u"0.1", 5},
      {u"60.5", 2, stopOutOfRange, u"60.5", 5},
      {u"5\b", 2, u"Stop time: The field is empty, but it needs a value. Enter 0.20 to 60.00 min.", u"", 5},
      // "Off" is the whole text or nothing.
      {u"Off   9", 2, u"Stop time: The entry is not a number. Enter 0.20 to 60.00 min.", u"Off   9", 5},
  };
  for (const StopTimeCase& c : cases) {
    SCOPED_TRACE(narrow(c.typed));
    times = {0, 0, 0, 1, 1, 5, 1};
    digits = c.digits;
    const Handled handled = enterField(IDC_STOPTIME, c.typed, c.message);
    EXPECT_EQ(handled.result, c.message ? FALSE : TRUE);
    EXPECT_EQ(handled.text, c.shown);
    EXPECT_EQ(handled.focus, c.message ? IDC_STOPTIME : IDC_POSTTIME) << "a rejected field holds the focus";
    EXPECT_EQ(handled.shown, bothFieldsShown);
    EXPECT_EQ(times.stopTime, c.stopTime);
    EXPECT_EQ(times.stopState, 1);
  }
}

// A stop time that the field shows as 0 (0.3 with no decimals) turns the stop time "Off"; one that
// is "Off" already only takes the smallest stop time.
TEST_F(RunTimeFields, StopTimeShownAsZeroTurnsOff) {
  for (const LONG state : {1, 2}) {
    SCOPED_TRACE(state);
    times = {0, 0, 0, state, 1, 5, 1};
    digits = 0;
    const Handled handled = enterField(IDC_STOPTIME, u"0.3", nullptr);
    EXPECT_TRUE(handled.result);
    EXPECT_EQ(times.stopTime, 0.2f);
    EXPECT_EQ(times.stopState, 2);
    if (state == 1) {
      EXPECT_EQ(handled.shown, (std::vector<int>{IDC_STOPTIME_OFF, IDC_POSTTIME}));
    }
  }
}

struct WarningCase {
  LONG mode;
  FLOAT compareTime;
  const char16_t* typed;
  bool warns;
};

TEST_F(RunTimeFields, StopModeFourWarnsOfAStopTimeAboveTheCompareTime) {
  const WarningCase cases[] = {
      {4, 10, u"12", true}, {4, 0, u"12", false}, {4, 10, u"10", false}, {1, 10, u"12", false},
  };
  for (const WarningCase& c : cases) {
    SCOPED_TRACE("mode " + std::to_string(c.mode) + " compare " + std::to_string(c.compareTime));
    times = {0, c.compareTime, 0, 1, c.mode, 5, 1};
    const Handled handled =
        enterField(IDC_STOPTIME, c.typed, c.warns ? u"The stop time is longer than the gradient." : nullptr);
    EXPECT_TRUE(handled.result) << "the warning is advice: the value stands";
    EXPECT_EQ(times.stopTime, std::stof(narrow(c.typed)));
    EXPECT_EQ(handled.focus, c.warns ? IDC_STOPTIME : IDC_POSTTIME) << "after the warning the stop time has the focus";
#if DSUP_SIMULATION
    if (c.warns) {
      const sim::MessageBoxRecord box = sim::messageBoxes().back();
      EXPECT_EQ(box.caption, u"ERROR");
      EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
      EXPECT_EQ(box.owner, dialogShown);
    }
#endif
  }
}

struct PostTimeCase {
  LONG postOffBefore;
  const char16_t* typed;
  BOOL result;
  FLOAT postTime;
  LONG postOff;
  const char16_t* message;  // the box shown, or null
};

TEST_F(RunTimeFields, PostTimeIsANumberOrOff) {
  const PostTimeCase cases[] = {
      {0, u"OFF ", TRUE, 0.01f, 1, nullptr},
      {1, u" off", TRUE, 0.01f, 0, nullptr},  // whatever the record said before
      {0, u"2.5", TRUE, 2.5f, 0, nullptr},
      {0, u"0", TRUE, 0.01f, 1, nullptr},  // 0 is "Off"
      {0, u"31", FALSE, 1, 0, u"Post time: The value lies outside the permitted range. Enter 0.00 to 30.00 min."},
  };
  for (const PostTimeCase& c : cases) {
    SCOPED_TRACE(narrow(c.typed));
    times = {0, 0, c.postOffBefore, 1, 1, 5, 1};
    const Handled handled = enterField(IDC_POSTTIME, c.typed, c.message);
    EXPECT_EQ(handled.field, IDC_POSTTIME);
    EXPECT_EQ(handled.result, c.result);
    EXPECT_EQ(handled.shown, (std::vector<int>{IDC_STOPTIME, c.postOff ? IDC_POSTTIME_OFF : IDC_POSTTIME}));
    EXPECT_EQ(times.postTime, c.postTime);
    EXPECT_EQ(times.postOff, c.postOff);
    EXPECT_EQ(times.stopTime, 5);
  }
}

TEST_F(RunTimeFields, OtherFieldsAreNoRunTimeEntries) {
  times = {0, 10, 0, 1, 4, 5, 1};
  const DSupRunTimeData before = times;
  const Handled handled = enterField(flowField, u"Off");
  EXPECT_EQ(handled.field, flowField);
  EXPECT_FALSE(handled.result);
  EXPECT_EQ(std::memcmp(&times, &before, sizeof times), 0);
  EXPECT_EQ(handled.shown, bothFieldsShown);
}

}  // namespace

}  // namespace dsuptest
