// The entry error and choice messages as the user meets them: the text with its inserts, the field
// in error with the focus back in it (or left there), the choice answered with OK or Cancel, and
// the message that touches no field.
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

constexpr UINT flowMessage = 500;     // the driver's framing message
constexpr UINT notANumberText = 501;  // a text of the driver's put in as the first insert
constexpr UINT highFlowWarning = 502;

class EntryMessages : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
    addText(flowMessage, u"Flow: %s Enter %.2f to %.2f ml/min.");
    addText(notANumberText, u"The entry is not a number.");
    addText(highFlowWarning, u"A flow of %d ml/min wears the column. Keep it?");
  }
  // The driver rejects field A when the user leaves it, with `report`; the second time it accepts.
  void rejectFieldAOnce(std::function<void(HWND)> report) {
    behaviour.onFieldCheck = [this, report](HWND dialog, WORD, int fieldId, int) {
      if (fieldId == fieldA && rejections++ == 0) report(dialog);
    };
  }
  int rejections = 0;
};

TEST_F(EntryMessages, EntryErrorHoldsTheUserInTheFieldUntilItIsCorrected) {
  rejectFieldAOnce([this](HWND dialog) {
    DSupDialogEntryError(dialog, fieldA, driverModule(), flowMessage, w(u"is too high."), 0.5, 10.0);
  });
  behaviour.onCommand = [](HWND, int id) {
    if (id == IDCANCEL) return TRUE;
    return FALSE;
  };
  user.type(u"25").tab()          // rejected: the box, then the focus is back in A
      .answerMessageBox(IDOK)
      .type(u"5").tab()           // A was selected as the focus came back: 5 replaces 25
      .escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(user.answeredMessageBoxes(), std::vector<std::u16string>{u"Flow: is too high. Enter 0.50 to 10.00 ml/min."});
  EXPECT_EQ(calls, (Calls{"change 101", "change 101", "check 0x100 101 102", "change 101", "check 0x100 101 102",
                          "command 2"}));
}

TEST_F(EntryMessages, ErrorMessagePutsTheInsertTextFirstAndAMissingOneIsEmpty) {
  std::u16string typed;
  rejectFieldAOnce([&](HWND dialog) {
    DSupDialogErrorMessage(dialog, fieldA, driverModule(), flowMessage, driverModule(), notANumberText, 0.5, 10.0);
    DSupDialogErrorMessage(dialog, fieldA, driverModule(), flowMessage, driverModule(), 999, 1.0, 2.0);
    typed = itemText(dialog, fieldA);
  });
  user.type(u"2x").tab().answerMessageBox(IDOK).answerMessageBox(IDOK).escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(user.answeredMessageBoxes(), (std::vector<std::u16string>{u"Flow: The entry is not a number. Enter 0.50 to 10.00 ml/min.",
                                                                      u"Flow:  Enter 1.00 to 2.00 ml/min."}));
  EXPECT_EQ(typed, u"2x") << "the user's text stays for correcting";
}

TEST_F(EntryMessages, FocusThatIsInTheFieldAlreadyStaysThere) {
  // The driver checks the combo box as the user types into its edit part; the message leaves the
  // focus and the typing where they are.
  behaviour.onFieldChange = [this](HWND dialog, int id) {
    if (id == comboC && itemText(dialog, comboC) == u"Col") {
      DSupDialogEntryError(dialog, comboC, driverModule(), highFlowWarning, 30);
      calls.push_back("focus in " + std::to_string(focusedId()));
    }
  };
  user.tab().tab().type(u"Col").answerMessageBox(IDOK).type(u"d").escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(user.answeredMessageBoxes(), std::vector<std::u16string>{u"A flow of 30 ml/min wears the column. Keep it?"});
  EXPECT_EQ(calls, (Calls{"change 103", "change 103", "change 103", "focus in 103", "change 103", "command 2"}));
}

TEST_F(EntryMessages, ChoiceAcceptedKeepsTheValueRefusedHoldsTheField) {
  std::vector<BOOL> answers;
  behaviour.onFieldCheck = [&](HWND dialog, WORD, int fieldId, int) {
    if (fieldId == fieldA) answers.push_back(DSupDialogChoice(dialog, fieldA, driverModule(), highFlowWarning, 25));
  };
  behaviour.onCommand = [this](HWND, int id) {
    calls.push_back("focus in " + std::to_string(focusedId()));
    return id == IDCANCEL;
  };
  // A box that comes up while the mouse button is down takes the click with it.
  user.type(u"25").click(buttonX).answerMessageBox(IDCANCEL)  // refused: back in A
      .type(u"8").click(buttonX).answerMessageBox(IDOK)        // accepted: the focus stays on X
      .wait(600).click(buttonX)                               // nothing left to check
      .escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(answers, (std::vector<BOOL>{FALSE, TRUE}));
  EXPECT_EQ(calls, (Calls{"change 101", "change 101", "check 0x200 101 101", "change 101", "check 0x200 101 101",
                          "command 200", "focus in 200", "command 2", "focus in 200"}));
}

TEST_F(EntryMessages, CheckErrorMessageTouchesNoField) {
  behaviour.onCommand = [this](HWND dialog, int id) {
    if (id == buttonF) DSupCheckErrorMessage(dialog, driverModule(), flowMessage, driverModule(), notANumberText, 1.0, 3.0);
    calls.push_back("focus in " + std::to_string(focusedId()));
    return id == IDCANCEL;
  };
  user.type(u"4").click(buttonF).answerMessageBox(IDOK).click(buttonX).escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(user.answeredMessageBoxes(), std::vector<std::u16string>{u"Flow: The entry is not a number. Enter 1.00 to 3.00 ml/min."});
  EXPECT_EQ(calls, (Calls{"change 101", "command 30010", "focus in 30010", "check 0x0 101 0", "command 200",
                          "focus in 200", "command 2", "focus in 200"}))
      << "A is checked on the next click: the message skipped no check and marked nothing";
}

}  // namespace

}  // namespace dsuptest
