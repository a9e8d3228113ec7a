// The Enter key of standard dialogs: which button looks like the default one, Enter in a
// multi-line field, and a change of the Enter button while the dialog runs.
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

class EnterKey : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
    // Whenever the user changes a field, the driver notes how the buttons look.
    behaviour.onFieldChange = [this](HWND dialog, int) { calls.push_back(buttonLook(dialog)); };
  }


 public:
  static std::string buttonLook(HWND dialog) {
    std::string look;
    for (const int id : {buttonE, buttonX, IDCANCEL}) {
      const HWND button = GetDlgItem(dialog, id);
      look += std::to_string(id) + ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? " default" : " plain") +
              (IsWindowEnabled(button) ? "" : " disabled") + (id == IDCANCEL ? "" : ", ");
    }
    return look;
  }
};

TEST_F(EnterKey, EnterButtonLooksLikeTheDefaultButtonOutsideMultiLineFields) {
  struct Case {
    LONG enterButtonId;
    INT enterDefaultAtStart;
    const char* inFieldA;  // the look while the user types into A
    const char* inFieldM;  // the look while the user types into the multi-line field M
  };
  const Case cases[] = {
      {0, 1, "1003 plain, 200 plain, 2 plain", "1003 plain, 200 plain, 2 plain"},
      {buttonE, 0, "1003 default, 200 plain, 2 plain", "1003 plain, 200 plain, 2 plain"},
      {buttonE, 0x101, "1003 default, 200 plain, 2 plain", "1003 plain, 200 plain, 2 plain"},
      {-1, 0, "1003 plain disabled, 200 plain, 2 default", "1003 plain disabled, 200 plain, 2 default"},
  };
  for (const Case& c : cases) {
    calls.clear();
    user.type(u"1").tab().tab().tab().type(u"x").escape();  // A, then over B and C to M
    EXPECT_EQ(run(methodDialog, {c.enterButtonId, c.enterDefaultAtStart}), 0);
    EXPECT_EQ(calls, (Calls{"change 101", c.inFieldA, "check 0x100 101 102", "change 104", c.inFieldM, "command 2"}))
        << c.enterButtonId;
  }
}

// The driver's procedure gives the focus to no field and, behind the messages the start posted,
// notes how the buttons look before the user does anything.
constexpr UINT lookAtStart = WM_USER + 7;
std::string lookSeenAtStart;

INT_PTR CALLBACK lookingDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) PostMessageW(dialog, lookAtStart, 0, 0);
  if (message == lookAtStart) lookSeenAtStart = EnterKey::buttonLook(dialog);
  return FALSE;
}

TEST_F(EnterKey, DefaultLookFromTheStartOnlyWithTheLowByteOfTheFlag) {
  behaviour.dialogProc = lookingDialogProc;
  for (const INT flag : {1, 0x100, 0}) {
    lookSeenAtStart.clear();
    user.escape();
    EXPECT_EQ(run(methodDialog, {buttonE, flag}), 0);
    EXPECT_EQ(lookSeenAtStart, flag == 1 ? "1003 default, 200 plain, 2 plain" : "1003 plain, 200 plain, 2 plain") << flag;
  }
}

TEST_F(EnterKey, EnterInAMultiLineFieldThatTakesReturnsMakesANewLine) {
  std::u16string text;
  behaviour.onFieldChange = nullptr;
  behaviour.onCommand = [&](HWND dialog, int id) {
    text = itemText(dialog, fieldM);
    return id == IDCANCEL;
  };
  user.tab().tab().tab().type(u"ab").enter().type(u"c").escape();
  EXPECT_EQ(run(methodDialog, {buttonE}), 0);
  EXPECT_EQ(text, u"ab\r\nc");
  EXPECT_EQ(calls, (Calls{"change 104", "change 104", "change 104", "change 104", "command 2"}));
}

// A multi-line field that takes no returns hands Enter, with the focus, to the dialog's default
// button: the field is checked as it loses the focus, and Enter is the Enter button (or OK).
TEST_F(EnterKey, EnterInAMultiLineFieldWithoutReturnsIsTheEnterButton) {
  behaviour.onFieldChange = nullptr;
  behaviour.onCommand = [](HWND, int id) { return id == IDCANCEL; };
  for (const LONG enterButtonId : {LONG{buttonE}, LONG{0}}) {
    calls.clear();
    user.tab().tab().tab().tab().type(u"ab").enter().escape();
    EXPECT_EQ(run(methodDialog, {enterButtonId}), 0);
    EXPECT_EQ(calls, (Calls{"change 105", "change 105", "check 0x200 105 105",
                            "command " + std::to_string(enterButtonId ? enterButtonId : IDOK), "command 2"}));
  }
}

TEST_F(EnterKey, AnotherEnterButtonTakesTheLookBeforeTheCallReturns) {
  behaviour.onFieldChange = [this](HWND dialog, int) {
    calls.push_back(buttonLook(dialog));
    DSupSetEnterButtonId(dialog, buttonX);
    calls.push_back(buttonLook(dialog));
  };
  user.type(u"1").enter().escape();
  behaviour.onCommand = [](HWND, int id) { return id == IDCANCEL; };
  EXPECT_EQ(run(methodDialog, {buttonE}), 0);
  EXPECT_EQ(calls, (Calls{"change 101", "1003 default, 200 plain, 2 plain", "1003 plain, 200 default, 2 plain",
                          "check 0x0 101 0", "command 200", "command 2"}));
}

}  // namespace

}  // namespace dsuptest
