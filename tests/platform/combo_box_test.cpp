// The combo box: the prefix search of CB_SELECTSTRING, the list messages, an edit text that
// follows the selection without notifications, and the notifications of the user's typing and
// choosing.
#include <algorithm>

#include "common/wine.h"
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

using Strings = std::vector<std::string>;

class ComboBox : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    dialog = createDialog(standardDialog, FALSE);
    combo = GetDlgItem(dialog, comboBox);
    for (const char16_t* item : {u"abc", u"abd", u"Xyz", u"ab"})
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    events().clear();
  }
  void TearDown() override {
    EXPECT_TRUE(eventsWith("CBN_").empty()) << "the messages of the program send no notification";
    DestroyWindow(dialog);
    DialogTest::TearDown();
  }
  LRESULT send(UINT message, WPARAM wParam, const char16_t* text) {
    return SendMessageW(combo, message, wParam, reinterpret_cast<LPARAM>(text));
  }
  LRESULT selection() { return SendMessageW(combo, CB_GETCURSEL, 0, 0); }

  HWND dialog = nullptr;
  HWND combo = nullptr;
};

TEST_F(ComboBox, SelectStringFindsAPrefixWithoutCaseFromAfterTheStartWrappingAround) {
  struct Case {
    WPARAM start;
    const char16_t* text;
    LRESULT expected;
  };
  const Case cases[] = {
      {static_cast<WPARAM>(-1), u"AB", 0}, {0, u"ab", 1},           {1, u"ab", 3},
      {3, u"ab", 0},                       {static_cast<WPARAM>(-1), u"x", 2}, {2, u"XYZ", 2},
      {static_cast<WPARAM>(-1), u"", CB_ERR}, {static_cast<WPARAM>(-1), u"abcd", CB_ERR},
  };
  for (const Case& c : cases) {
    SendMessageW(combo, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(send(CB_SELECTSTRING, c.start, c.text), c.expected) << static_cast<LONG_PTR>(c.start);
    const LRESULT selected = c.expected == CB_ERR ? 2 : c.expected;
    EXPECT_EQ(selection(), selected) << "no match leaves the selection";
    WCHAR item[8];
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(textOf(combo), text(item)) << "the edit text follows the selection";
  }
}

TEST_F(ComboBox, FindStringSearchesWithoutSelectingAndExactComparesWholeItems) {
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  EXPECT_EQ(send(CB_FINDSTRING, static_cast<WPARAM>(-1), u"X"), 2);
  EXPECT_EQ(send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), u"AB"), 3);
  EXPECT_EQ(send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), u"a"), CB_ERR);
  EXPECT_EQ(selection(), 1);
}

TEST_F(ComboBox, InsertAppendsWithMinusOneRefusesBeyondTheEndAndKeepsTheSelectedItem) {
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  EXPECT_EQ(send(CB_INSERTSTRING, static_cast<WPARAM>(-1), u"last"), 4);
  EXPECT_EQ(send(CB_INSERTSTRING, 6, u"beyond"), CB_ERR);
  EXPECT_EQ(send(CB_INSERTSTRING, 0, u"first"), 0);
  EXPECT_EQ(selection(), 2) << "the selected item moved down";
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 6);
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 0, 0), 5);
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 1, 0), 4);
  EXPECT_EQ(selection(), CB_ERR) << "deleting the selected item clears the selection";
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 4, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 3, 0), 4);
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 4, 0), CB_ERR);
}

TEST_F(ComboBox, SetCurSelOutOfRangeClearsSelectionAndText) {
  struct Case {
    WPARAM index;
    bool documentedOnly;  // Wine keeps the selection
  };
  for (const Case& c : {Case{static_cast<WPARAM>(-1), false}, Case{5, true}}) {
    if (c.documentedOnly && runsUnderWine()) continue;
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, c.index, 0), CB_ERR);
    EXPECT_EQ(selection(), CB_ERR);
    EXPECT_EQ(textOf(combo), u"");
  }
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
  if (runsUnderWine())
    GTEST_SKIP() << "Wine departs from the documentation: CB_SETCURSEL beyond the items keeps the selection (Win32: "
                    "cleared), CB_RESETCONTENT returns 1 (Win32: always CB_OKAY)";
  EXPECT_EQ(SendMessageW(combo, CB_RESETCONTENT, 0, 0), CB_OKAY);
}

TEST_F(ComboBox, EditPartIsAnEditChildWithId1001AndSetTextNotifiesNothing) {
  const HWND edit = GetWindow(combo, GW_CHILD);
  WCHAR name[16];
  GetClassNameW(edit, name, 16);
  EXPECT_EQ(text(name), u"Edit");
  EXPECT_EQ(GetDlgCtrlID(edit), 1001);
  EXPECT_EQ(GetParent(edit), combo);
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  EXPECT_TRUE(SetWindowTextW(combo, w(u"typed by the program")));
  EXPECT_EQ(textOf(edit), u"typed by the program");
  EXPECT_TRUE(eventsWith("EN_").empty());
}

class ComboBoxUser : public DialogTest {};

TEST_F(ComboBoxUser, TypingNotifiesEditChangeAndChoosingNotifiesSelChange) {
  static LRESULT selectionAfterTyping = 0;
  user.tab().tab().type(u"a").chooseComboItem(comboBox, 1).click(IDOK);
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_INITDIALOG) {
      for (const char16_t* item : {u"first", u"second"})
        SendDlgItemMessageW(dialog, comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      SendDlgItemMessageW(dialog, comboBox, CB_SETCURSEL, 0, 0);
    }
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_EDITCHANGE)
      selectionAfterTyping = SendDlgItemMessageW(dialog, comboBox, CB_GETCURSEL, 0, 0);
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  EXPECT_EQ(runDialog(standardDialog, procedure, TRUE), IDOK);
  Strings notified = eventsWith("CBN_");
  ASSERT_EQ(notified.size(), 8u);
  // Win32 leaves the order of CBN_SELCHANGE, CBN_SELENDOK and CBN_CLOSEUP open.
  std::sort(notified.begin() + 4, notified.begin() + 7);
  EXPECT_EQ(notified, (Strings{"CBN_SETFOCUS 103", "CBN_EDITUPDATE 103", "CBN_EDITCHANGE 103", "CBN_DROPDOWN 103",
                               "CBN_CLOSEUP 103", "CBN_SELCHANGE 103", "CBN_SELENDOK 103", "CBN_KILLFOCUS 103"}));
  EXPECT_EQ(selectionAfterTyping, CB_ERR) << "typed text is no item of the list";
}

TEST_F(ComboBoxUser, ClickOnTheEditPartFocusesItWithoutOpeningTheList) {
  user.click(comboBox).click(IDOK);
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  EXPECT_EQ(eventsWith("CBN_"), (Strings{"CBN_SETFOCUS 103", "CBN_KILLFOCUS 103"}));
}

}  // namespace
}  // namespace dsuptest
