// Buttons: check states by type, automatic check boxes and radio buttons, BM_CLICK, and WM_CLOSE
// as a click of Cancel.
#include "common/wine.h"
#include "common/wine_departures.h"
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

class Buttons : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    addTemplate(2, {{u"Button", 11, WS_VISIBLE | BS_CHECKBOX, u"", 0, 0, 40, 10},
                    {u"Button", 12, WS_VISIBLE | BS_AUTO3STATE, u"", 0, 10, 40, 10},
                    {u"Button", 13, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, u"", 0, 20, 40, 10},
                    {u"Button", 14, WS_VISIBLE | BS_AUTORADIOBUTTON, u"", 0, 30, 40, 10},
                    {u"Button", 15, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, u"", 0, 40, 40, 10},
                    {u"Button", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON, u"Cancel", 0, 50, 40, 10}});
    open(2, FALSE);
  }
  LRESULT check(int id) { return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0); }
};

TEST_F(Buttons, CheckStateIsHeldToWhatTheTypeCanShow) {
  struct Case {
    int id;
    WPARAM set;
    LRESULT got;
  };
  for (const Case& c : {Case{11, BST_CHECKED, BST_CHECKED}, Case{11, BST_INDETERMINATE, BST_CHECKED},
                        Case{12, BST_INDETERMINATE, BST_INDETERMINATE}, Case{IDCANCEL, BST_CHECKED, BST_UNCHECKED}}) {
    SendDlgItemMessageW(dialog, c.id, BM_SETCHECK, c.set, 0);
    EXPECT_EQ(check(c.id), c.got) << "button " << c.id;
  }
  EXPECT_TRUE(events().empty());
}

TEST_F(Buttons, ClickChangesAutomaticButtonsBeforeReportingIt) {
  SendDlgItemMessageW(dialog, 12, BM_CLICK, 0, 0);
  EXPECT_EQ(check(12), BST_CHECKED);
  SendDlgItemMessageW(dialog, 13, BM_CLICK, 0, 0);
  SendDlgItemMessageW(dialog, 15, BM_CLICK, 0, 0);
  SendDlgItemMessageW(dialog, 14, BM_CLICK, 0, 0);
  EXPECT_EQ(check(13), BST_UNCHECKED) << "the other radio button of the group";
  EXPECT_EQ(check(14), BST_CHECKED);
  EXPECT_EQ(check(15), BST_CHECKED) << "another group";
  EXPECT_EQ(events(), (Strings{"BN_CLICKED 12", "BN_CLICKED 13", "BN_CLICKED 15", "BN_CLICKED 14"}));
  EXPECT_EQ(focusedId(), 14) << "a click gives the button the focus";
}

TEST_F(Buttons, CloseIsAPostedClickOfCancelUnlessCancelIsDisabled) {
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  EXPECT_TRUE(events().empty()) << "posted";
  handleQueue();
  EXPECT_EQ(events(), Strings{"BN_CLICKED 2"});
  if (runsUnderWine())
    GTEST_SKIP() << wineDeparture(WineDeparture::closeWithCancelDisabled);
  EnableWindow(item(IDCANCEL), FALSE);
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  MSG message;
  EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_COMMAND, WM_COMMAND, PM_REMOVE));
}

}  // namespace
}  // namespace dsuptest
