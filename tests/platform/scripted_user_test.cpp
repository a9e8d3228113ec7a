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
  user.click(999).chooseComboItem(comboBox, 5).click(IDOK);
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  EXPECT_EQ(failureStarts(35), (Strings{"the script clicks control 999, whic", "the script chooses item 5 of contro"}));
  user.answerMessageBox(IDCANCEL);
  EXPECT_EQ(MessageBoxW(nullptr, w(u"Done"), nullptr, MB_OK), 0);
  EXPECT_EQ(user.takeFailures(),
            Strings{"the script answers message box \"Done\" with button 2, which it does not have"});
}

}  // namespace
}  // namespace dsuptest
