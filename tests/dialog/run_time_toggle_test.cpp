// The toggle of the run-time entries in a running method dialog: the stop time steps through the
// presentations of its stop mode and shows only the controls of the one it reaches; what is not a
// step of a known entry changes nothing. (The post time's switching: run_time_field_test.cpp.)
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "dialog/run_time_dialog.h"

namespace dsuptest {

namespace {

using RunTimeToggle = RunTimeDialogTest;

constexpr LONG untouched = 7;  // a stopAlternate that the toggle must leave

// The driver runs `toggles` when the user presses Enter, then ends the dialog.
void onEnter(DriverBehaviour& behaviour, std::function<void(HWND)> toggles) {
  behaviour.onCommand = [toggles](HWND dialog, int id) {
    if (id == IDOK) {
      toggles(dialog);
      EndDialog(dialog, IDOK);
    }
    return TRUE;
  };
}

struct StopStep {
  LONG mode, from;
  LONG forward;  // the state after step codes 1 and 3
  LONG back;     // after step codes 0 and 2
};

TEST_F(RunTimeToggle, StopTimeStepsThroughThePresentationsOfItsMode) {
  const StopStep steps[] = {
      {1, 1, 2, 3}, {1, 2, 3, 1}, {1, 3, 1, 2}, {1, 0, 1, 3},  // a record left at 0 starts over
      {4, 1, 2, 3}, {4, 2, 3, 1}, {4, 3, 1, 2},
      {2, 1, 2, 2}, {2, 2, 1, 1}, {2, 3, 2, 2},
      {5, 1, 2, 2}, {5, 2, 1, 1}, {5, 3, 2, 2},
      {3, 1, 2, 2}, {3, 2, 3, 3}, {3, 3, 2, 2},
  };
  const std::map<LONG, std::vector<int>> shownFor = {
      {1, {IDC_STOPTIME, IDC_POSTTIME}},
      {2, {IDC_STOPTIME_OFF, IDC_POSTTIME}},
      {3, {IDC_STOPTIME_ALT1, IDC_STOPTIME_ALT2, IDC_POSTTIME}},
  };
  onEnter(behaviour, [&](HWND dialog) {
    for (const StopStep& step : steps) {
      for (const WORD code : {0, 1, 2, 3}) {
        const LONG expected = code % 2 ? step.forward : step.back;
        times = {untouched, 0, 0, step.from, step.mode, 5, 1};
        DSupDlgRunTimeEntryToggle(dialog, DSUP_STOPTIME_ENTRY, code, &times);
        const std::string row = "mode " + std::to_string(step.mode) + " from " + std::to_string(step.from) +
                                " step " + std::to_string(code);
        EXPECT_EQ(times.stopState, expected) << row;
        EXPECT_EQ(shownRunTimeControls(dialog), shownFor.at(expected)) << row;
        const bool keepsAlternate = step.mode == 2 || step.mode == 5;
        EXPECT_EQ(times.stopAlternate, keepsAlternate ? untouched : (expected == 3 ? 1 : 0)) << row;
      }
    }
  });
  user.enter();
  EXPECT_EQ(run(runTimeDialog), IDOK);
}

struct IgnoredToggle {
  LONG entry, mode;
  WORD code;
};

TEST_F(RunTimeToggle, UnknownStepsModesAndEntriesChangeNothing) {
  const IgnoredToggle ignored[] = {
      {DSUP_STOPTIME_ENTRY, 1, 4}, {DSUP_STOPTIME_ENTRY, 3, 0xFFFF},  // step codes above 3
      {DSUP_STOPTIME_ENTRY, 0, 1}, {DSUP_STOPTIME_ENTRY, 6, 1},       // stop modes outside 1 to 5
      {0, 1, 1}, {2, 1, 1}, {5, 1, 0}, {7, 1, 1},                    // entries other than 1 and 6
  };
  onEnter(behaviour, [&](HWND dialog) {
    for (const IgnoredToggle& toggle : ignored) {
      times = {untouched, 0, 0, 1, toggle.mode, 5, 1};
      const DSupRunTimeData before = times;
      DSupDlgRunTimeEntryToggle(dialog, toggle.entry, toggle.code, &times);
      const std::string row = "entry " + std::to_string(toggle.entry) + " mode " + std::to_string(toggle.mode) +
                              " step " + std::to_string(toggle.code);
      EXPECT_EQ(std::memcmp(&times, &before, sizeof times), 0) << row;
      EXPECT_EQ(shownRunTimeControls(dialog), (std::vector<int>{IDC_STOPTIME, IDC_POSTTIME})) << row;
    }
    DSupDlgRunTimeEntryToggle(dialog, DSUP_STOPTIME_ENTRY, 1, nullptr);
    DSupDlgStopTimeHideAll(dialog);
    EXPECT_EQ(shownRunTimeControls(dialog), std::vector<int>{IDC_POSTTIME}) << "all four stop-time controls hidden";
    // The post time takes no step code: any switches it.
    DSupDlgRunTimeEntryToggle(dialog, DSUP_POSTTIME_ENTRY, 0xFFFF, &times);
    EXPECT_EQ(times.postOff, 1);
    EXPECT_EQ(shownRunTimeControls(dialog), std::vector<int>{IDC_POSTTIME_OFF});
  });
  user.enter();
  EXPECT_EQ(run(runTimeDialog), IDOK);
}

}  // namespace

}  // namespace dsuptest
