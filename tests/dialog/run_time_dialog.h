// A method dialog with the run-time entries: the stop time field with its "Off" text and its
// alternate pair, the post time field with its "Off" text, a flow field, a help line, OK and
// Cancel. The stop time shows its field and the post time its field at the start. The driver's
// field check hands every field to the run-time field handler with the fixture's limits and
// record, and logs what the handler returned and what the dialog showed then.
#pragma once

#include <string>
#include <vector>

#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

inline constexpr WORD runTimeDialog = 40;
inline constexpr int flowField = 101;
inline constexpr int helpLine = 80;
inline constexpr UINT stopTimeMessage = 800;
inline constexpr UINT postTimeMessage = 801;
inline constexpr UINT stopTimeWarning = 802;

// What the driver saw after the field handler ran.
struct Handled {
  int field;
  BOOL result;
  std::vector<int> shown;  // the run-time controls shown, in id order
  int focus;               // the control with the focus
  std::u16string text;     // the text of the field handled
};

class RunTimeDialogTest : public StandardDialogTest {
 protected:
  void SetUp() override;

  DSupRunTimeData times{};
  FLOAT stopMaximum = 60;
  FLOAT postMinimum = 0;
  FLOAT postMaximum = 30;
  INT digits = 2;
  std::vector<Handled> handled;
  HWND dialogShown = nullptr;
};

// The run-time controls (61 to 71) that are shown, in id order.
std::vector<int> shownRunTimeControls(HWND dialog);

}  // namespace dsuptest
