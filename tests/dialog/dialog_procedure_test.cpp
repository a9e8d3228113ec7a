// The standard dialog procedure beyond the common actions: the field in error, the read-only mode
// with the authorization service, commands turned off, and what reaches the driver's own dialog
// procedure and what only its message hook sees.
#include <authorization_registry.h>

#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

class DialogProcedure : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
  }
  // The driver rejects field A whatever it holds, until it is told to accept it.
  void rejectFieldA() {
    behaviour.onFieldCheck = [this](HWND dialog, WORD, int fieldId, int) {
      if (fieldId == fieldA && !acceptA) DSupSetFieldError(dialog, fieldA);
    };
  }
  bool acceptA = false;
};

TEST_F(DialogProcedure, FieldInErrorHoldsOrdinaryButtonsButNotCancel) {
  rejectFieldA();
  behaviour.onCommand = [](HWND dialog, int id) {
    if (id == IDOK) EndDialog(dialog, IDOK);
    return id == IDCANCEL;
  };
  // OK while A's check fails: the driver is not told of OK; a second click while A is in error is
  // ignored without a check; Cancel ends the dialog all the same.
  user.type(u"7").click(IDOK).click(buttonX).click(IDCANCEL);
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(calls, (Calls{"change 101", "check 0x200 101 101", "command 2"}));
}

TEST_F(DialogProcedure, FieldInErrorIsCheckedAnewWhenTheUserComesBackAndLeaves) {
  rejectFieldA();
  behaviour.onFieldChange = [this](HWND, int) { acceptA = true; };  // the user corrects A
  user.type(u"x").tab()                                             // rejected: A in error
      .shiftTab().tab();                                             // back in A, left again
  user.escape();
  behaviour.onFieldChange = nullptr;
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(calls, (Calls{"change 101", "check 0x100 101 102", "check 0x100 101 102", "command 2"}));
}

TEST_F(DialogProcedure, ReadOnlyForAUserWithoutThePermission) {
  std::vector<std::pair<int, bool>> enabled;
  behaviour.onCommand = [&](HWND dialog, int id) {
    enabled.clear();
    for (HWND child = GetTopWindow(dialog); child; child = GetWindow(child, GW_HWNDNEXT))
      enabled.emplace_back(GetDlgCtrlID(child), IsWindowEnabled(child) != FALSE);
    calls.push_back(std::string("read-only ") + (DSupDialogIsReadOnly(dialog) ? "yes" : "no"));
    return id == IDCANCEL;
  };
  user.escape();
  EXPECT_EQ(runWithPermission(methodDialog, 5, {buttonE}), 0);
  const std::vector<std::pair<int, bool>> readOnly{
      {fieldA, false},  {fieldB, false},  {comboC, false},    {fieldM, false}, {fieldN, false}, {buttonX, false}, {buttonK, false},
      {buttonE, true},  {buttonF, false}, {button8191, true}, {IDOK, true}, {IDCANCEL, true}};
  EXPECT_EQ(enabled, readOnly);
  EXPECT_EQ(AuthorizationQuestions(), 2u) << "once for the mode, once for the driver's question";

  // The user who holds the permission edits the same dialog.
  ASSERT_TRUE(AuthorizationSetPermission(w(u"user"), 5, TRUE));
  user.escape();
  EXPECT_EQ(runWithPermission(methodDialog, 5, {buttonE}), 0);
  for (const auto& [id, isEnabled] : enabled) EXPECT_TRUE(isEnabled) << id;
  EXPECT_EQ(calls, (Calls{"command 2", "read-only yes", "command 2", "read-only no"}));
}

TEST_F(DialogProcedure, PermissionNumbersOfZeroOrLessAreNeverAskedFor) {
  behaviour.onCommand = [this](HWND dialog, int id) {
    calls.push_back(std::string("read-only ") + (DSupDialogIsReadOnly(dialog) ? "yes" : "no"));
    return id == IDCANCEL;
  };
  for (const LONG permission : {-1, 0}) {
    user.escape();
    EXPECT_EQ(runWithPermission(methodDialog, permission), 0);
  }
  user.escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(AuthorizationQuestions(), 0u);
  EXPECT_EQ(calls, (Calls{"command 2", "read-only no", "command 2", "read-only no", "command 2", "read-only no"}));
}

TEST_F(DialogProcedure, TheServiceIsAskedAnewAtEveryQuestion) {
  behaviour.onCommand = [this](HWND dialog, int id) {
    if (id == button8191) {  // kept enabled in read-only mode
      const bool before = DSupDialogIsReadOnly(dialog);
      AuthorizationSetCurrentUser(w(u"supervisor"));
      AuthorizationSetPermission(w(u"supervisor"), 9, TRUE);
      calls.push_back(std::string("read-only ") + (before ? "yes" : "no") + " then " +
                      (DSupDialogIsReadOnly(dialog) ? "yes" : "no"));
    }
    return id == IDCANCEL;
  };
  user.click(button8191).click(IDCANCEL);
  EXPECT_EQ(runWithPermission(methodDialog, 9), 0);
  EXPECT_EQ(calls, (Calls{"command 8191", "read-only yes then no", "command 2"}));
  EXPECT_EQ(AuthorizationQuestions(), 3u);
}

// What the driver's message hook and its dialog procedure see, for the tests of what reaches them.
Calls* seenLog = nullptr;
constexpr UINT driverMessage = WM_USER + 5;

BOOL CALLBACK loggingHook(HWND dialog, UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  if (message == WM_COMMAND && (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == EN_CHANGE))
    seenLog->push_back("hook command " + std::to_string(LOWORD(wParam)));
  if (message == WM_TIMER || message == WM_NOTIFY || message == driverMessage)
    seenLog->push_back("hook message " + std::to_string(message));
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    // Consumed: the hook ends the dialog itself, and the procedure returns the hook's result.
    EndDialog(dialog, 3);
    *result = 1;
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK loggingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER || message == WM_NOTIFY || message == driverMessage || message == WM_CLOSE)
    seenLog->push_back("procedure message " + std::to_string(message));
  if (message == WM_COMMAND) seenLog->push_back("procedure command " + std::to_string(LOWORD(wParam)));
  if (message == WM_INITDIALOG && lParam) DSupEnableVantaDialog(dialog, FALSE);
  return methodDialogProc(dialog, message, wParam, lParam);
}

TEST_F(DialogProcedure, CommandsTurnedOffReachOnlyTheMessageHook) {
  seenLog = &calls;
  behaviour.messageHook = loggingHook;
  behaviour.dialogProc = loggingDialogProc;
  user.type(u"1").click(buttonX).click(IDCANCEL);
  EXPECT_EQ(run(methodDialog, {0, 0, 0, 0, /*turn the commands off*/ TRUE}), 3);
  EXPECT_EQ(calls, (Calls{"hook command 101", "hook command 200", "hook command 2"}));
}

TEST_F(DialogProcedure, TimersAndNotificationsReachTheDriverOnlyThroughItsHook) {
  seenLog = &calls;
  behaviour.messageHook = loggingHook;
  behaviour.dialogProc = loggingDialogProc;
  behaviour.onCommand = [](HWND dialog, int id) {
    if (id == buttonF)
      for (const UINT message : {UINT{WM_TIMER}, UINT{WM_NOTIFY}, driverMessage}) SendMessageW(dialog, message, 0, 0);
    if (id == IDOK) EndDialog(dialog, IDOK);
    return TRUE;
  };
  user.click(buttonF).click(IDOK);
  EXPECT_EQ(run(methodDialog), IDOK);
  EXPECT_EQ(calls, (Calls{"hook command 30010", "command 30010", "hook message 275", "hook message 78",
                          "hook message 1029", "procedure message 1029", "hook command 1", "command 1"}));
}

}  // namespace

}  // namespace dsuptest
