// The simulation's side of the scripted user and the trace: a dialog that never goes idle or a
// message loop without input (never a hang), message boxes and beeps as the user saw them, focus
// changes, switching to another application.
#include "platform/dialog_test_support.h"
#include "sim/trace.h"

namespace dsuptest {
namespace {

using SimulatedUser = DialogTest;

TEST_F(SimulatedUser, DialogThatNeverGoesIdleIsEndedWithAFailure) {
  const auto flooding = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG || message == WM_USER) PostMessageW(dialog, WM_USER, 0, 0);
    return TRUE;
  };
  EXPECT_EQ(runDialog(standardDialog, flooding, 0), -1);
  EXPECT_EQ(user.takeFailures(), Strings{"dialog \"Test\" never stopped handling messages"});
}

TEST_F(SimulatedUser, GetMessageWithNothingQueuedAndNoActionFailsInsteadOfWaiting) {
  MSG message;
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), -1);
  EXPECT_EQ(user.takeFailures(), Strings{"the script ended while the message loop was waiting for input"});
  user.wait(10);
  PostMessageW(mainWindow, WM_USER, 0, 0);
  EXPECT_EQ(GetMessageW(&message, nullptr, 0, 0), TRUE);
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER));
  EXPECT_EQ(user.pendingActions(), 1u) << "a queued message needs no action";
  user.discardPendingActions();
}

TEST_F(SimulatedUser, MessageBoxesAndBeepsAreTracedAsTheUserSawThem) {
  user.answerMessageBox(IDNO).click(IDOK);
  EXPECT_EQ(MessageBoxW(mainWindow, u"Overwrite the method?", u"Method", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
            IDNO);
  EXPECT_EQ(MessageBoxW(nullptr, u"Sure?", u"Question", MB_YESNO), 0) << "the script's next action is a click";
  user.takeFailures();
  user.discardPendingActions();
  EXPECT_EQ(MessageBoxW(mainWindow, u"Text", u"Caption", 0x0F), 0) << "a type without buttons";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  open(standardDialog);
  EnableWindow(item(IDCANCEL), FALSE);
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  MessageBeep(MB_ICONEXCLAMATION);
  const std::vector<sim::MessageBoxRecord> boxes = sim::messageBoxes();
  ASSERT_EQ(boxes.size(), 2u) << "the box without buttons was not shown";
  EXPECT_EQ(boxes[0].owner, mainWindow);
  EXPECT_EQ(boxes[0].caption, u"Method");
  EXPECT_EQ(boxes[0].text, u"Overwrite the method?");
  EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
  EXPECT_EQ(boxes[0].answer, IDNO);
  EXPECT_EQ(boxes[1].owner, nullptr);
  EXPECT_EQ(boxes[1].answer, 0) << "not answered";
  EXPECT_EQ(sim::beeps(), (std::vector<UINT>{0, MB_ICONEXCLAMATION})) << "WM_CLOSE with a disabled Cancel button";
}

TEST_F(SimulatedUser, FocusChangesAreTraced) {
  user.tab().click(IDOK);
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  std::vector<int> ids;
  for (const sim::FocusChange& change : sim::focusChanges()) ids.push_back(change.toId);
  // The main window, none (the main window is disabled), the dialog, its first field, Tab, the
  // click, the dialog itself as it ends, the main window again.
  EXPECT_EQ(ids, (std::vector<int>{0, 0, 0, firstEdit, secondEdit, IDOK, 0, 0}));
  EXPECT_EQ(sim::focusChanges().back().to, mainWindow);
}

TEST_F(SimulatedUser, SwitchingToAnotherApplicationTakesActivationAndFocusAway) {
  static Strings seen;
  seen.clear();
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_KILLFOCUS) PostMessageW(dialog, WM_USER + 1, 0, 0);
    if (message == WM_USER + 1)
      seen.push_back(std::string(GetActiveWindow() ? "active" : "no active window") + (GetFocus() ? "" : ", no focus"));
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  user.switchToOtherApplication().switchBack().click(IDOK);
  EXPECT_EQ(runDialog(standardDialog, procedure, TRUE), IDOK);
  EXPECT_EQ(seen, (Strings{"no active window, no focus", "active"}));
  EXPECT_EQ(eventsWith("FOCUS 101"), (Strings{"EN_SETFOCUS 101", "EN_KILLFOCUS 101", "EN_SETFOCUS 101",
                                              "EN_KILLFOCUS 101"}));
}

}  // namespace
}  // namespace dsuptest
