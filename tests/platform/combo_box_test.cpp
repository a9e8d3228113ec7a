// The combo box: the searches of CB_SELECTSTRING and CB_FINDSTRING, the list messages, an edit text that
// follows the selection without notifications, and the notifications of the user's typing and
// choosing.
#include <algorithm>

#include "common/wine.h"
#include "common/wine_departures.h"
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

class ComboBox : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    open(standardDialog, FALSE);
    combo = item(comboBox);
    for (const char16_t* text : {u"abc", u"abd", u"Xyz", u"ab"}) send(CB_ADDSTRING, 0, text);
  }
  void TearDown() override {
    EXPECT_TRUE(eventsWith("CBN_").empty()) << "the messages of the program send no notification";
    DialogTest::TearDown();
  }
  LRESULT send(UINT message, WPARAM wParam, const char16_t* text) {
    return SendMessageW(combo, message, wParam, reinterpret_cast<LPARAM>(text));
  }
  LRESULT selection() { return SendMessageW(combo, CB_GETCURSEL, 0, 0); }

  HWND combo = nullptr;
};

// Only CB_SELECTSTRING selects what it finds; the edit text follows the selection.
TEST_F(ComboBox, SearchesFindAPrefixWithoutCaseFromAfterTheStartWrappingAroundOrAWholeItem) {
  constexpr WPARAM none = static_cast<WPARAM>(-1);
  struct Case {
    UINT message;
    WPARAM start;
    const char16_t* text;
    LRESULT expected;
  };
  const Case cases[] = {
      {CB_SELECTSTRING, none, u"AB", 0},    {CB_SELECTSTRING, 0, u"ab", 1},         {CB_SELECTSTRING, 1, u"ab", 3},
      {CB_SELECTSTRING, 3, u"ab", 0},       {CB_SELECTSTRING, none, u"x", 2},       {CB_SELECTSTRING, 2, u"XYZ", 2},
      {CB_SELECTSTRING, none, u"", CB_ERR}, {CB_SELECTSTRING, none, u"abcd", CB_ERR}, {CB_FINDSTRING, none, u"X", 2},
      {CB_FINDSTRINGEXACT, none, u"AB", 3}, {CB_FINDSTRINGEXACT, none, u"a", CB_ERR},
  };
  for (const Case& c : cases) {
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(send(c.message, c.start, c.text), c.expected) << static_cast<LONG_PTR>(c.start);
    const LRESULT selected = c.message == CB_SELECTSTRING && c.expected != CB_ERR ? c.expected : 1;
    EXPECT_EQ(selection(), selected);
    WCHAR shown[8];
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(textOf(combo), text(shown));
  }
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
    GTEST_SKIP() << wineDeparture(WineDeparture::comboSelectionBeyondItems);
  EXPECT_EQ(SendMessageW(combo, CB_RESETCONTENT, 0, 0), CB_OKAY);
}

TEST_F(ComboBox, EditPartIsAnEditChildWithId1001AndSetTextNotifiesNothing) {
  const HWND edit = GetWindow(combo, GW_CHILD);
  EXPECT_EQ(classOf(edit), u"Edit");
  EXPECT_EQ(GetDlgCtrlID(edit), 1001);
  EXPECT_EQ(GetParent(edit), combo);
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  EXPECT_TRUE(SetWindowTextW(combo, w(u"typed by the program")));
  EXPECT_EQ(textOf(edit), u"typed by the program");
  EXPECT_TRUE(eventsWith("EN_").empty());
}

using ComboBoxUser = DialogTest;

// A click on the edit part focuses it without opening the list.
TEST_F(ComboBoxUser, TypingNotifiesEditChangeAndChoosingNotifiesSelChange) {
  static LRESULT selectionAfterTyping = 0;
  static LRESULT selectionAtSelChange = 0;
  static std::u16string textAtSelChange;
  user.click(comboBox).type(u"a").chooseComboItem(comboBox, 1).click(IDOK);
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_INITDIALOG) {
      for (const char16_t* item : {u"first", u"second"})
        SendDlgItemMessageW(dialog, comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      SendDlgItemMessageW(dialog, comboBox, CB_SETCURSEL, 0, 0);
    }
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_EDITCHANGE)
      selectionAfterTyping = SendDlgItemMessageW(dialog, comboBox, CB_GETCURSEL, 0, 0);
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
      selectionAtSelChange = SendDlgItemMessageW(dialog, comboBox, CB_GETCURSEL, 0, 0);
      textAtSelChange = textOf(GetDlgItem(dialog, comboBox));
    }
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
  EXPECT_EQ(selectionAtSelChange, 1);
  EXPECT_NE(textAtSelChange, u"second") << "the edit part shows the chosen item only after CBN_SELCHANGE";
}

// A combo box that loses the focus while it reports CBN_SETFOCUS (its parent moves the focus on)
// reports it again when it receives the focus again.
TEST_F(ComboBoxUser, FocusLostWhileReportingTheFocusIsReportedAgain) {
  static bool movedOn = false;
  movedOn = false;
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SETFOCUS && !movedOn) {
      movedOn = true;
      SetFocus(GetDlgItem(dialog, secondEdit));
    }
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  user.tab().tab()  // into the combo box, and on to the second field at once
      .tab().escape();
  EXPECT_EQ(runDialog(standardDialog, procedure, TRUE), IDCANCEL);
  if (runsUnderWine()) GTEST_SKIP() << wineDeparture(WineDeparture::comboFocusNotifiedDuringFocusChange);
  EXPECT_EQ(eventsWith("CBN_SETFOCUS"), (Strings{"CBN_SETFOCUS 103", "CBN_SETFOCUS 103"}));
}

}  // namespace
}  // namespace dsuptest
