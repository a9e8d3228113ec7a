// The scripted user when the script does not fit what the dialogs show: the dialog or message box
// that waits is ended and the failure recorded, never a hang, and a missing control is skipped.
// The same on the simulated platform and with real input under Wine.
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

using ScriptedUser = DialogTest;

TEST_F(ScriptedUser, ScriptThatEndsWhileTheDialogWaitsEndsItWithAFailure) {
  user.type(u"1");
  EXPECT_EQ(runDialog(standardDialog), -1);
  EXPECT_EQ(user.takeFailures(), Strings{"the script ended while dialog \"Test\" was waiting for input"});
  EXPECT_TRUE(IsWindowEnabled(mainWindow));
}

TEST_F(ScriptedUser, AnswerWithoutMessageBoxAndActionWhileOneWaitsAreFailures) {
  user.answerMessageBox(IDOK);
  EXPECT_EQ(runDialog(standardDialog), -1);
  EXPECT_EQ(user.discardPendingActions(), 1u) << "the answer is left for a message box";
  EXPECT_EQ(failureStarts(40), Strings{"the script answers a message box, but di"});
  user.click(IDOK);
  EXPECT_EQ(MessageBoxW(mainWindow, w(u"Sure?"), w(u"Question"), MB_YESNO), 0);
  EXPECT_EQ(user.takeFailures(),
            Strings{"message box \"Sure?\" was shown, but the script's next action is a click"});
  EXPECT_EQ(runDialog(standardDialog), IDOK) << "the click is still there for the dialog";
}

TEST_F(ScriptedUser, MissingControlsAndButtonsAreFailuresTheScriptGoesOn) {
  user.click(999).chooseComboItem(comboBox, 5).clickRow(firstEdit, 0).click(IDOK);
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  EXPECT_EQ(failureStarts(35), (Strings{"the script clicks control 999, whic", "the script chooses item 5 of contro",
                                        "the script clicks row 0 of control "}));
  user.answerMessageBox(IDCANCEL);
  EXPECT_EQ(MessageBoxW(nullptr, w(u"Done"), nullptr, MB_OK), 0);
  EXPECT_EQ(user.takeFailures(),
            Strings{"the script answers message box \"Done\" with button 2, which it does not have"});
}

TEST_F(ScriptedUser, LookSeesTheDialogOrMessageBoxThatWaitsWithWhatThePreviousActionCaused) {
  std::vector<std::u16string> seen;
  const auto lookAtField = [&](HWND waiting) { seen.push_back(textOf(GetDlgItem(waiting, firstEdit))); };
  user.type(u"12").look(lookAtField).click(pushButton);
  user.look([&](HWND waiting) { seen.push_back(classOf(waiting)); }).answerMessageBox(IDOK).click(IDOK);
  const auto askOnClick = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_COMMAND && LOWORD(wParam) == pushButton) MessageBoxW(dialog, w(u"Sure?"), nullptr, MB_OK);
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  EXPECT_EQ(runDialog(standardDialog, askOnClick, TRUE), IDOK);
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"12", u"#32770"}));
}

}  // namespace
}  // namespace dsuptest
