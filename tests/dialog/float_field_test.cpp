// Number fields of standard dialogs written by the driver: DSupSetFloatField does not count as the
// user's change, and DSupUpdateFloatField writes only when the field does not show the exact value.
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

constexpr WORD methodDialog = 30;
constexpr int flowField = 101;
constexpr int pressureField = 102;

class FloatFields : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addTemplate(methodDialog, {{u"Edit", flowField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 10, 10, 40, 12},
                               {u"Edit", pressureField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 10, 30, 40, 12},
                               {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 10, 60, 40, 14}});
  }
};

// What the driver does when its dialog starts: the test's writes into the fields.
std::function<void(HWND)> atStart;

INT_PTR CALLBACK startingDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  atStart(dialog);
  return TRUE;  // the focus goes to the flow field
}

TEST_F(FloatFields, SetFieldIsNotTheUsersChangeUnlikeAPlainSet) {
  std::u16string flowShown;
  atStart = [&](HWND dialog) {
    DSupSetFloatField(dialog, flowField, 2.5, 2);
    flowShown = itemText(dialog, flowField);
    DSupSetDlgItemFloat(dialog, pressureField, 7.0, 1);  // counts as a change of the pressure
  };
  behaviour.dialogProc = startingDialogProc;
  user.type(u"1")  // into the flow field: the user's change, checked when the user leaves it
      .tab()
      .enter();
  EXPECT_EQ(run(methodDialog), IDOK);
  EXPECT_EQ(flowShown, u"2.50");
  EXPECT_EQ(calls, (Calls{"change 102", "check 0x100 102 101", "change 101", "check 0x100 101 102", "command 1"}));
}

struct UpdateCase {
  const char16_t* shown;
  double value;
  int digits;
  const char16_t* expected;
};

TEST_F(FloatFields, UpdateWritesOnlyWhenTheFieldDoesNotShowTheExactValue) {
  const UpdateCase cases[] = {
      {u"1.000", 1.0, 1, u"1.000"},     // the same value: nothing written
      {u" 1 ", 1.0, 1, u" 1 "},
      {u"0", 0.0, 2, u"0"},
      {u"1.000", 1.5, 1, u"1.5"},
      {u"3.14", 3.14159, 4, u"3.1416"},  // a rounded form of the value is written again
      {u"abc", 2.0, 2, u"2.00"},         // not a number
      {u"", 0.0, 2, u"0.00"},            // empty, though empty reads as 0
      {u"1.000", std::numeric_limits<double>::quiet_NaN(), 2, u"nan"},
  };
  std::vector<std::u16string> updated;
  atStart = [&](HWND dialog) {
    for (const UpdateCase& c : cases) {
      DSupSetTextField(dialog, flowField, w(c.shown));
      DSupUpdateFloatField(dialog, flowField, c.value, c.digits);
      updated.push_back(itemText(dialog, flowField));
    }
  };
  behaviour.dialogProc = startingDialogProc;
  user.enter();
  EXPECT_EQ(run(methodDialog), IDOK);
  ASSERT_EQ(updated.size(), std::size(cases));
  for (std::size_t i = 0; i < updated.size(); ++i)
    EXPECT_EQ(updated[i], cases[i].expected) << std::string(cases[i].shown, cases[i].shown + std::char_traits<char16_t>::length(cases[i].shown));
  EXPECT_EQ(calls, (Calls{"command 1"})) << "no write counted as the user's change";
}

}  // namespace

}  // namespace dsuptest
