// Focus, enabled state and visibility: SetFocus notifies the old field before the new one, a
// disabled window cannot take the focus, disabling a window takes the focus from it and hiding one
// takes the focus out of it, a window is visible only with its parents, and a dialog gives the
// focus back to its control when it is activated again.
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

class Focus : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    open(standardDialog);
  }
};

TEST_F(Focus, SetFocusNotifiesTheOldFieldBeforeTheNewOne) {
  struct Case {
    int from, to;  // to 0: SetFocus(nullptr)
    Strings expected;
  };
  const Case cases[] = {
      {firstEdit, secondEdit, {"EN_KILLFOCUS 101", "EN_SETFOCUS 102"}},
      {firstEdit, comboBox, {"EN_KILLFOCUS 101", "CBN_SETFOCUS 103"}},
      {comboBox, secondEdit, {"CBN_KILLFOCUS 103", "EN_SETFOCUS 102"}},
      {secondEdit, pushButton, {"EN_KILLFOCUS 102"}},
      {firstEdit, firstEdit, {}},
      {firstEdit, 0, {"EN_KILLFOCUS 101"}},
  };
  for (const Case& c : cases) {
    SetFocus(item(c.from));
    const HWND previous = GetFocus();
    events().clear();
    EXPECT_EQ(SetFocus(c.to ? item(c.to) : nullptr), previous) << "SetFocus returns the window that had the focus";
    EXPECT_EQ(eventsWith("FOCUS"), c.expected) << c.from << " to " << c.to;
    EXPECT_EQ(focusedId(), c.to == comboBox ? 1001 : c.to);
  }
}

TEST_F(Focus, DisabledWindowOrWindowInsideADisabledOneCannotTakeTheFocus) {
  EnableWindow(item(secondEdit), FALSE);
  EXPECT_EQ(SetFocus(item(secondEdit)), nullptr);
  EXPECT_EQ(focusedId(), firstEdit);
  EnableWindow(item(comboBox), FALSE);
  EXPECT_EQ(SetFocus(GetWindow(item(comboBox), GW_CHILD)), nullptr) << "the combo box's edit part";
  EXPECT_EQ(focusedId(), firstEdit);
  EXPECT_TRUE(events().empty());
}

TEST_F(Focus, DisablingTakesTheFocusFromTheWindowButNotFromItsChildren) {
  EXPECT_FALSE(EnableWindow(item(firstEdit), FALSE)) << "it was enabled";
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(events(), Strings{"EN_KILLFOCUS 101"});
  EXPECT_TRUE(EnableWindow(item(firstEdit), TRUE)) << "it was disabled";
  EXPECT_EQ(GetFocus(), nullptr) << "enabling gives no focus";
  SetFocus(item(secondEdit));
  events().clear();
  EnableWindow(dialog, FALSE);
  EXPECT_EQ(GetFocus(), item(secondEdit));
  EXPECT_TRUE(events().empty());
  EXPECT_FALSE(IsWindowEnabled(dialog));
  EXPECT_TRUE(IsWindowEnabled(item(secondEdit))) << "only the window's own state";
  EnableWindow(dialog, TRUE);
}

TEST_F(Focus, HidingTakesTheFocusOutOfTheWindowAndVisibilityNeedsTheParents) {
  EXPECT_TRUE(ShowWindow(item(firstEdit), SW_HIDE)) << "it was visible";
  EXPECT_FALSE(IsWindowVisible(item(firstEdit)));
  EXPECT_NE(GetFocus(), item(firstEdit));
  EXPECT_EQ(eventsWith("KILLFOCUS"), Strings{"EN_KILLFOCUS 101"});
  EXPECT_FALSE(ShowWindow(item(firstEdit), SW_SHOW)) << "it was hidden";
  ShowWindow(dialog, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(item(firstEdit))) << "visible only with its parents";
  EXPECT_TRUE(GetWindowLongPtrW(item(firstEdit), GWL_STYLE) & WS_VISIBLE);
  EXPECT_NE(GetActiveWindow(), dialog) << "a hidden window gives the activation away";
}

TEST_F(Focus, ActivatedDialogGivesTheFocusBackToItsControl) {
  SetFocus(item(secondEdit));
  EXPECT_EQ(SetActiveWindow(mainWindow), dialog);
  EXPECT_EQ(GetFocus(), mainWindow);
  SetActiveWindow(dialog);
  EXPECT_EQ(focusedId(), secondEdit);
  EXPECT_EQ(events(), (Strings{"EN_KILLFOCUS 101", "EN_SETFOCUS 102", "EN_KILLFOCUS 102", "EN_SETFOCUS 102"}));
}

}  // namespace
}  // namespace dsuptest
