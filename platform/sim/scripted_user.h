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
// with 0 (MessageBoxW). A control that does not exist is recorded as a failure and skipped.
//
// Controls are named by their id in the dialog (or message box) whose loop waits. Mouse actions
// click at the centre of a control; a second click at the same point of the same control within
// 500 ms is a double click for a class that takes them, as in Win32: let time pass with wait()
// to avoid one.
//
// Two backends play the same script. On the simulated platform (libqxplatform) the modal loops
// ask the user for input and the clock stands still between actions; the failures are also in the
// trace (sim/trace.h). On Windows (the test support of the Windows build) the actions are real
// input (SendInput) played from a timer whenever a modal dialog or message box of the thread is
// idle, shown and in front; the test program moves to a desktop of its own when its first user is
// made, and a watchdog ends the program when a dialog stays open for half a minute.
//
// One user per thread: constructing one makes it the user of the calling thread until it is
// destroyed (the previous one then comes back).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "script.h"
#include "sim_api.h"

namespace sim {

class SIM_API ScriptedUser {
 public:
  ScriptedUser();
  ~ScriptedUser();
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  // Types the text into the window with the focus, one key after the other ('\b' is Backspace).
  ScriptedUser& type(std::u16string_view text) { return add(script::TypeText{std::u16string(text)}); }

  // Pastes the text into the window with the focus (Ctrl+V): the whole text in one change.
  ScriptedUser& paste(std::u16string_view text) { return add(script::PasteText{std::u16string(text)}); }

  ScriptedUser& tab() { return press(VK_TAB); }
  ScriptedUser& shiftTab() { return press(VK_TAB, true); }
  ScriptedUser& enter() { return press(VK_RETURN); }
  ScriptedUser& escape() { return press(VK_ESCAPE); }

  // Presses and releases a key (a virtual-key code such as VK_DOWN), with Shift held when asked.
  ScriptedUser& press(int virtualKey, bool withShift = false) { return add(script::PressKey{virtualKey, withShift}); }

  // Clicks the control with the left mouse button: the focus moves at the button down, the click
  // is reported at the button up. A click on a disabled control reaches the dialog instead.
  ScriptedUser& click(int controlId) { return add(script::Click{controlId}); }

  // Opens the combo box's list with the mouse and chooses the item (0 = the first), which must be
  // in view.
  ScriptedUser& chooseComboItem(int controlId, int index) { return add(script::ChooseComboItem{controlId, index}); }

  // Closes the message box that waits with one of its buttons (IDOK, IDCANCEL, IDYES ...).
  ScriptedUser& answerMessageBox(int button) { return add(script::AnswerMessageBox{button}); }

  // Lets time pass before the next action: the simulated clock advances; on Windows the user
  // waits that long.
  ScriptedUser& wait(std::uint32_t milliseconds) { return add(script::Wait{milliseconds}); }

  // Clicks row `row` of a list-like control (with Shift held when `extend`), at the middle of the
  // rectangle that the control gives for it (LB_GETITEMRECT); the row must be in view.
  ScriptedUser& clickRow(int controlId, int row, bool extend = false) {
    return add(script::ClickRow{controlId, row, extend});
  }

  // Looks at the dialog (or message box) that waits, before the next action: calls `at` with it,
  // once everything that the previous actions caused has been handled and painted.
  ScriptedUser& look(std::function<void(HWND)> at) { return add(script::Look{std::move(at)}); }

#ifndef _WIN32

  // Switches to another application (the dialog is no longer active and loses the focus), and
  // back to the window that was active.
  ScriptedUser& switchToOtherApplication() { return add(script::SwitchAway{}); }
  ScriptedUser& switchBack() { return add(script::SwitchBack{}); }
#endif

  // Actions not played yet.
  std::size_t pendingActions() const { return script_.size(); }

  // Discards the actions not played yet and returns how many there were.
  std::size_t discardPendingActions() { return std::exchange(script_, {}).size(); }

  // The failures of the runs so far, removed from the record.
  std::vector<std::string> takeFailures();

  // The texts of the message boxes that the script answered, in order.
  std::vector<std::u16string> answeredMessageBoxes() const;

 private:
  // Constructs the action in its place at the end of the script.
  template <typename Action>
  ScriptedUser& add(Action action) {
    script_.emplace_back(std::in_place_type<Action>, std::move(action));
    return *this;
  }

  // The backend that plays the script; each platform defines its own.
  struct Player;

  script::Script script_;
  std::unique_ptr<Player> player_;
};

}  // namespace sim
