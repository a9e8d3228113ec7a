// A method dialog from the user's first key to OK: a driver with a pressure limit, a flow, a
// column to choose, a comment, a calculator button that keeps the user in the field, and an Apply
// button that Enter presses. The test tells the story and checks what the driver heard.
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

constexpr int pressureField = fieldA;
constexpr int flowField = fieldB;
constexpr int columnCombo = comboC;
constexpr int calculatorButton = buttonK;
constexpr int applyButton = buttonE;
constexpr UINT pressureMessage = 600;

struct Method {
  std::u16string flow, pressure, column;
  int applied = 0;
};

class MethodDialogStory : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
    addText(pressureMessage, u"The pressure limit must be %d bar or less.");
    behaviour.onFieldCheck = [this](HWND dialog, WORD, int fieldId, int) {
      if (fieldId == pressureField && std::stoi(std::string(1, '0') + narrow(itemText(dialog, pressureField))) > 350)
        DSupDialogEntryError(dialog, pressureField, driverModule(), pressureMessage, 350);
    };
    behaviour.onCommand = [this](HWND dialog, int id) -> BOOL {
      if (id == columnCombo) method.column = chosenItem(dialog);
      if (id == applyButton) ++method.applied;
      if (id == IDOK) {
        method.flow = itemText(dialog, flowField);
        method.pressure = itemText(dialog, pressureField);
        EndDialog(dialog, IDOK);
      }
      if (id == IDCANCEL) return ++cancels > 1;  // the first Cancel is taken back
      return TRUE;
    };
  }
  static std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }
  // The item chosen: the edit part of the combo box shows it only after the driver was told.
  static std::u16string chosenItem(HWND dialog) {
    WCHAR item[64] = {};
    const LRESULT index = SendDlgItemMessageW(dialog, columnCombo, CB_GETCURSEL, 0, 0);
    SendDlgItemMessageW(dialog, columnCombo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
    return text(item);
  }

  Method method;
  int cancels = 0;
};

TEST_F(MethodDialogStory, UserEntersAMethodMakesAMistakeAndConfirms) {
  user.type(u"400").tab()                   // too high: the driver says so
      .answerMessageBox(IDOK)               // back in the pressure field, its text selected
      .type(u"300").tab()                   // accepted; on to the flow
      .type(u"1.5").tab()                   // checked as the user moves on to the column
      .chooseComboItem(columnCombo, 1)      // the driver takes the column at once
      .click(calculatorButton)              // the column is checked, and has the focus again
      .enter()                              // Enter presses Apply
      .escape()                             // the driver takes the first Cancel back
      .click(IDOK);                         // a click on OK is OK, not Apply
  EXPECT_EQ(run(methodDialog, {applyButton, 1, calculatorButton}), IDOK);
  EXPECT_EQ(user.answeredMessageBoxes(), std::vector<std::u16string>{u"The pressure limit must be 350 bar or less."});
  EXPECT_EQ(calls, (Calls{"change 101", "change 101", "change 101", "check 0x100 101 102",  // 400: rejected
                          "change 101", "change 101", "change 101", "check 0x100 101 102",  // 300
                          "change 102", "change 102", "change 102", "check 0x100 102 103",  // flow
                          "command 103",                                                    // the column
                          "check 0x200 103 103", "command 201",                             // calculator
                          "command 1003",                                                   // Enter: Apply
                          "command 2",                                                      // taken back
                          "command 1"}));
  EXPECT_EQ(method.flow, u"1.5");
  EXPECT_EQ(method.pressure, u"300");
  EXPECT_EQ(method.column, u"Column B");
  EXPECT_EQ(method.applied, 1);
}

}  // namespace

}  // namespace dsuptest
