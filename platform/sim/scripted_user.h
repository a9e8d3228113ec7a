// The scripted user: a person at the keyboard and the mouse, for tests and demos that run dialogs
// headlessly.
//
// A test lists the user's actions, then runs a modal dialog (or a message loop). Whenever the
// loop's queue is empty (all posted messages handled), the user plays the next action: the
// dialog then handles the input it produced, with the posted messages that this causes taken
// before the rest of the input, as in Win32. Message boxes are answered in the same sequence: when
// a message box waits, the next action must be answerMessageBox.
//
// Nothing hangs: when a dialog or a message box waits and the script has no action left, or the
// next action does not fit (an answer while no message box is shown, or another action while one
// is), the failure is recorded, and the dialog ends with -1 (DialogBoxParamW) or the message box
// with 0 (MessageBoxW). A control that does not exist is recorded as a failure and skipped. The
// failures are also in the trace (sim/trace.h).
//
// Controls are named by their id in the dialog (or message box) whose loop waits. Mouse actions
// click at the centre of a control; a second click at the same point of the same control within
// 500 ms of the clock is a double click, as in Win32: let time pass with wait() to avoid one.
//
// The actions are abstract, so that a backend that plays the same script with real input on
// Windows can stand in for this one. One user per thread: constructing one makes it the user of
// the calling thread until it is destroyed (the previous one then comes back).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim_api.h"

namespace sim {

class SIM_API ScriptedUser {
 public:
  ScriptedUser();
  ~ScriptedUser();
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  // Types the text into the window with the focus, one key after the other ('\b' is Backspace).
  ScriptedUser& type(std::u16string_view text);

  // Pastes the text into the window with the focus (Ctrl+V): the whole text in one change.
  ScriptedUser& paste(std::u16string_view text);

  ScriptedUser& tab();
  ScriptedUser& shiftTab();
  ScriptedUser& enter();
  ScriptedUser& escape();

  // Presses and releases a key (a virtual-key code such as VK_DOWN), with Shift held when asked.
  ScriptedUser& press(int virtualKey, bool withShift = false);

  // Clicks the control with the left mouse button: the focus moves at the button down, the click
  // is reported at the button up. A click on a disabled control reaches the dialog instead.
  ScriptedUser& click(int controlId);

  // Opens the combo box's list with the mouse and chooses the item (0 = the first).
  ScriptedUser& chooseComboItem(int controlId, int index);

  // Clicks a row of a scroller control (with Shift held when `extend`); the row must be in view.
  ScriptedUser& clickRow(int controlId, int row, bool extend = false);

  // Closes the message box that waits with one of its buttons (IDOK, IDCANCEL, IDYES ...).
  ScriptedUser& answerMessageBox(int button);

  // Lets time pass: the clock advances.
  ScriptedUser& wait(std::uint32_t milliseconds);

  // Switches to another application (the dialog is no longer active and loses the focus), and
  // back to the window that was active.
  ScriptedUser& switchToOtherApplication();
  ScriptedUser& switchBack();

  // Actions not played yet.
  std::size_t pendingActions() const;

  // Discards the actions not played yet and returns how many there were.
  std::size_t discardPendingActions();

  // The failures of the runs so far, removed from the record.
  std::vector<std::string> takeFailures();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace sim
