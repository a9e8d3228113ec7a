// A method dialog with the run-time entries: the stop time field (shown) with its "Off" text and
// alternate pair (hidden), the post time field (shown) with its "Off" text (hidden), a flow field,
// a help line, OK and Cancel. The driver's field check hands every field to the run-time field
// handler with the fixture's limits and record.
#pragma once

#include <string>
#include <vector>

#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

inline constexpr WORD runTimeDialog = 40;
inline constexpr int flowField = 101;
inline constexpr int helpLine = 80;

// What the driver saw when the field handler had run.
struct Handled {
  int field = 0;
  BOOL result = FALSE;
  std::vector<int> shown;  // the run-time controls shown, in id order
  int focus = 0;           // the control with the focus
  std::u16string text;     // the text of the field handled
};

class RunTimeDialogTest : public StandardDialogTest {
 protected:
  void SetUp() override;

  // The user goes to `field`, types `typed`, leaves the field with Tab, answers the box with
  // `message` (none may come when it is null) and ends the dialog with Escape. Returns what the
  // driver saw of the one field check.
  Handled enterField(int field, const char16_t* typed, const char16_t* message = nullptr);

  DSupRunTimeData times{};
  INT digits = 2;
  HWND dialogShown = nullptr;

 private:
  std::vector<Handled> handled_;
};

// The run-time controls (61 to 71) that are shown, in id order.
std::vector<int> shownRunTimeControls(HWND dialog);

}  // namespace dsuptest
