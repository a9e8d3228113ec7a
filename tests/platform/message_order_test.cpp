// The order in which a dialog sees the user's input and the messages it posts itself: posted
// messages are taken before the rest of the input, focus changes notify the old field before the
// new one, and PeekMessageW's filters skip what they do not match.
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

using Strings = std::vector<std::string>;

class MessageOrder : public DialogTest {};

TEST_F(MessageOrder, TabTakesPostedMessageBeforeTheKeyIsReleased) {
  user.tab().click(IDOK);
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  EXPECT_EQ(events(), (Strings{"EN_SETFOCUS 101", "EN_KILLFOCUS 101", "EN_SETFOCUS 102", "posted 101, Tab down",
                               "EN_KILLFOCUS 102", "posted 102", "BN_CLICKED 1"}));
}

TEST_F(MessageOrder, ClickMovesFocusAtButtonDownAndReportsAtButtonUp) {
  user.click(pushButton).click(IDOK);
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  EXPECT_EQ(events(), (Strings{"EN_SETFOCUS 101", "EN_KILLFOCUS 101", "posted 101", "BN_CLICKED 200", "BN_CLICKED 1"}));
}

TEST_F(MessageOrder, FocusChangeNotifiesOldFieldBeforeNewOne) {
  struct Case {
    int from, to;
    Strings expected;
  };
  const Case cases[] = {
      {firstEdit, secondEdit, {"EN_KILLFOCUS 101", "EN_SETFOCUS 102"}},
      {firstEdit, comboBox, {"EN_KILLFOCUS 101", "CBN_SETFOCUS 103"}},
      {comboBox, secondEdit, {"CBN_KILLFOCUS 103", "EN_SETFOCUS 102"}},
      {secondEdit, pushButton, {"EN_KILLFOCUS 102"}},
  };
  const HWND dialog = createDialog(standardDialog);
  for (const Case& c : cases) {
    SetFocus(GetDlgItem(dialog, c.from));
    const HWND previous = GetFocus();
    events().clear();
    EXPECT_EQ(SetFocus(GetDlgItem(dialog, c.to)), previous) << "SetFocus returns the window that had the focus";
    EXPECT_EQ(eventsWith("FOCUS"), c.expected) << c.from << " to " << c.to;
    EXPECT_EQ(focusedId(), c.to == comboBox ? 1001 : c.to);
  }
  DestroyWindow(dialog);
}

TEST_F(MessageOrder, PeekMessageTakesFirstMessageMatchingWindowAndRange) {
  const HWND dialog = createDialog(standardDialog);
  const HWND edit = GetDlgItem(dialog, firstEdit);
  const HWND threadOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));
  struct Case {
    HWND filter;
    UINT min, max;
    UINT expected;  // 0: none
  };
  const Case cases[] = {
      {nullptr, 0, 0, WM_USER + 1},
      {mainWindow, 0, 0, WM_USER + 2},
      {threadOnly, 0, 0, WM_USER + 3},
      {dialog, 0, 0, WM_USER + 1},
      {dialog, WM_USER + 2, WM_USER + 9, WM_USER + 4},  // a window's filter takes its children's too
      {edit, WM_USER + 5, WM_USER + 9, 0},
      {nullptr, WM_USER + 3, WM_USER + 4, WM_USER + 3},
      {dialog, WM_USER + 2, WM_USER + 3, 0},
  };
  for (const Case& c : cases) {
    PostMessageW(dialog, WM_USER + 1, 0, 0);
    PostMessageW(mainWindow, WM_USER + 2, 0, 0);
    PostMessageW(nullptr, WM_USER + 3, 0, 0);
    PostMessageW(edit, WM_USER + 4, 0, 0);
    MSG message{};
    const BOOL found = PeekMessageW(&message, c.filter, c.min, c.max, PM_NOREMOVE);
    EXPECT_EQ(found ? message.message : 0u, c.expected);
    if (found) {
      ASSERT_TRUE(PeekMessageW(&message, c.filter, c.min, c.max, PM_REMOVE));
      EXPECT_EQ(message.message, c.expected) << "PM_NOREMOVE left the message in place";
    }
    while (PeekMessageW(&message, nullptr, WM_USER, WM_USER + 9, PM_REMOVE)) {
    }
  }
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace dsuptest
