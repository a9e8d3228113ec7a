// Filling and reading fields: the library's own writes are not the user's changes, the Update
// functions write only when the field would show something else, combo box lists in both
// directions, check buttons and enabling, the field markers, and what the functions do on a
// dialog that is not a standard dialog.
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

class FieldAccess : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
    addText(20, u"Helium");
    addText(21, u"Nitrogen\nHydrogen");
  }
};

// The driver fills its fields at the start, through the library.
INT_PTR CALLBACK fillingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    DSupSetTextField(dialog, fieldA, w(u"12.5"));
    DSupSetIntField(dialog, fieldB, -5, TRUE);
    DSupSetStringField(dialog, fieldM, 20);
    DSupSetStringField(dialog, fieldN, 99);  // no such text: the field is left alone
  }
  return methodDialogProc(dialog, message, wParam, lParam);
}

TEST_F(FieldAccess, TheLibrarysWritesAreNotTheUsersChanges) {
  behaviour.dialogProc = fillingDialogProc;
  Calls shown;
  behaviour.onCommand = [&](HWND dialog, int id) {
    for (const int field : {fieldA, fieldB, fieldM, fieldN}) {
      const std::u16string text = itemText(dialog, field);
      shown.push_back(std::to_string(field) + " " + std::string(text.begin(), text.end()));
    }
    return id == IDCANCEL;
  };
  // Leaving the filled fields checks nothing; the user's own typing does count.
  user.tab().tab().type(u"x").shiftTab().escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(calls, (Calls{"change 103", "check 0x100 103 102", "command 2"}));
  EXPECT_EQ(shown, (Calls{"101 12.5", "102 -5", "104 Helium", "105 "}));
}

// The hook counts the writes that reach a field: each makes its text-change notification.
int fieldWrites = 0;
BOOL CALLBACK countingHook(HWND, UINT message, WPARAM wParam, LPARAM, LRESULT*) {
  if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) ++fieldWrites;
  return FALSE;
}

TEST_F(FieldAccess, UpdateFunctionsWriteOnlyWhatTheFieldDoesNotShowAlready) {
  struct Case {
    const char16_t* shown;
    std::function<void(HWND)> update;
    int writes;
    const char16_t* after;
  };
  const Case cases[] = {
      {u"abc", [](HWND d) { DSupUpdateTextField(d, fieldA, w(u"abc")); }, 0, u"abc"},
      {u"abc", [](HWND d) { DSupUpdateTextField(d, fieldA, w(u"abcd")); }, 1, u"abcd"},
      {u"abc", [](HWND d) { DSupUpdateTextField(d, fieldA, w(u"ab")); }, 1, u"ab"},
      {u"abc", [](HWND d) { DSupUpdateTextField(d, fieldA, w(u"abd")); }, 1, u"abd"},
      {u"abc", [](HWND d) { DSupUpdateTextField(d, fieldA, w(u"ABC")); }, 1, u"ABC"},
      {u"", [](HWND d) { DSupUpdateIntField(d, fieldA, 0, FALSE); }, 1, u"0"},
      {u"7", [](HWND d) { DSupUpdateIntField(d, fieldA, 7, FALSE); }, 0, u"7"},
      {u" 07", [](HWND d) { DSupUpdateIntField(d, fieldA, 7, FALSE); }, 0, u" 07"},
      {u"-7", [](HWND d) { DSupUpdateIntField(d, fieldA, -7, TRUE); }, 0, u"-7"},
      {u"7x", [](HWND d) { DSupUpdateIntField(d, fieldA, 7, FALSE); }, 0, u"7x"},  // read up to the x
      {u"x7", [](HWND d) { DSupUpdateIntField(d, fieldA, 7, FALSE); }, 1, u"7"},
      {u"Helium", [](HWND d) { DSupUpdateStringField(d, fieldA, 20); }, 0, u"Helium"},
      {u"Argon", [](HWND d) { DSupUpdateStringField(d, fieldA, 20); }, 1, u"Helium"},
      {u"Argon", [](HWND d) { DSupUpdateStringField(d, fieldA, 99); }, 0, u"Argon"},
  };
  behaviour.messageHook = countingHook;
  behaviour.onCommand = [&](HWND dialog, int id) {
    if (id == buttonF) {
      for (const Case& c : cases) {
        DSupSetTextField(dialog, fieldA, w(c.shown));
        fieldWrites = 0;
        c.update(dialog);
        EXPECT_EQ(fieldWrites, c.writes) << "showing " << std::string(c.shown, c.shown + std::char_traits<char16_t>::length(c.shown));
        EXPECT_EQ(itemText(dialog, fieldA), c.after);
      }
    }
    return id == IDCANCEL;
  };
  user.click(buttonF).escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(calls, (Calls{"command 30010", "command 2"})) << "no write was taken for the user's";
}

std::vector<std::u16string> comboList(HWND dialog) {
  std::vector<std::u16string> items;
  const auto count = SendDlgItemMessageW(dialog, comboC, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    WCHAR item[64] = {};
    SendDlgItemMessageW(dialog, comboC, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
    items.push_back(text(item));
  }
  return items;
}

TEST_F(FieldAccess, ComboBoxListsSelectionsButtonsAndEnabling) {
  behaviour.onCommand = [&](HWND dialog, int id) -> BOOL {
    if (id != buttonF) return id == IDCANCEL;
    SendDlgItemMessageW(dialog, comboC, CB_RESETCONTENT, 0, 0);
    std::u16string items = u"A\nB\nC";
    DSupInsertComboText(dialog, comboC, -1, w(items));
    EXPECT_EQ(items, u"A\nB\nC") << "the caller's text is as it was";
    DSupInsertComboText(dialog, comboC, 0, w(items));
    EXPECT_EQ(comboList(dialog), (std::vector<std::u16string>{u"C", u"B", u"A", u"A", u"B", u"C"}));
    SendDlgItemMessageW(dialog, comboC, CB_RESETCONTENT, 0, 0);
    DSupInsertComboText(dialog, comboC, -1, w(u"D\n"));
    DSupInsertComboText(dialog, comboC, -1, w(u""));
    DSupInsertComboString(dialog, comboC, -1, 21);
    DSupInsertComboString(dialog, comboC, -1, 99);  // no such text: nothing
    DSupInsertComboText(dialog, 999, -1, w(u"X"));   // no such control: nothing
    EXPECT_EQ(comboList(dialog), (std::vector<std::u16string>{u"D", u"", u"", u"Nitrogen", u"Hydrogen"}));

    INT index = 42;
    EXPECT_FALSE(DSupGetComboSelect(dialog, comboC, &index));
    EXPECT_EQ(index, 42) << "untouched without a selection";
    EXPECT_TRUE(DSupSetComboSelect(dialog, comboC, 3));
    EXPECT_TRUE(DSupGetComboSelect(dialog, comboC, &index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(itemText(dialog, comboC), u"Nitrogen");
    EXPECT_FALSE(DSupSetComboSelect(dialog, comboC, -1)) << "clearing the selection";
    EXPECT_FALSE(DSupGetComboSelect(dialog, comboC, &index));
    EXPECT_FALSE(DSupSetComboSelect(dialog, 999, 0));
    EXPECT_FALSE(DSupGetComboSelect(dialog, 999, &index));

    DSupEnableDlgItems(dialog, fieldB, fieldM, FALSE);  // 102 to 104; 103 is the combo box
    for (const int field : {fieldA, fieldN}) EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, field))) << field;
    for (const int field : {fieldB, comboC, fieldM}) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, field))) << field;
    DSupEnableDlgItems(dialog, fieldM, fieldB, TRUE);  // first above last: nothing
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, fieldB)));
    DSupEnableDlgItems(dialog, 100, 110, TRUE);  // ids without a control are skipped
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, fieldM)));
    return FALSE;
  };
  user.click(buttonF).escape();
  EXPECT_EQ(run(methodDialog), 0);
}

TEST_F(FieldAccess, CheckButtonsTakeTheirThreeStates) {
  addTemplate(30, {{u"Button", 40, WS_VISIBLE | WS_TABSTOP | BS_AUTO3STATE, u"Purge", 10, 10, 60, 12},
                   {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, u"Cancel", 10, 40, 40, 14}});
  std::vector<LRESULT> states;
  behaviour.dialogProc = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return TRUE; };
  behaviour.onCommand = [&](HWND dialog, int id) {
    for (const UINT state : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
      DSupSetButton(dialog, 40, state);
      states.push_back(SendDlgItemMessageW(dialog, 40, BM_GETCHECK, 0, 0));
    }
    DSupSetButton(dialog, 999, BST_CHECKED);  // no such control
    return id == IDCANCEL;
  };
  user.escape();
  EXPECT_EQ(run(30), 0);
  EXPECT_EQ(states, (std::vector<LRESULT>{BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}));
}

TEST_F(FieldAccess, FieldMarkersDecideWhatIsCheckedAndWhatIsHeld) {
  behaviour.onFieldChange = [](HWND dialog, int id) {
    if (id == fieldA) DSupClearLastFieldModified(dialog);  // A's change needs no check
    if (id == fieldB) DSupSetFieldError(dialog, fieldB);    // B is in error: buttons are held
  };
  behaviour.onCommand = [](HWND dialog, int id) {
    if (id == buttonF) DSupClearLastFieldError(dialog);
    return id == IDCANCEL;
  };
  user.type(u"1").tab()          // A's change: no check
      .type(u"2").click(buttonX)  // B is checked as it loses the focus, but the click is held
      .click(buttonF)             // check-free: clears the error
      .click(buttonX)             // nothing left to check: the click goes through
      .escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(calls, (Calls{"change 101", "change 102", "check 0x200 102 102", "command 30010", "command 200",
                          "command 2"}));
}

// A dialog of the driver's own (not a standard dialog) that keeps its own pointer in DWLP_USER, as
// drivers do: the functions that need a standard dialog leave it alone, the others work on it.
Calls* plainLog = nullptr;
INT_PTR CALLBACK plainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DSUPENTERDEFAULT) plainLog->push_back("enter default " + std::to_string(wParam));
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    DSupSetTextField(dialog, fieldA, w(u"written"));
    DSupSetEnterButtonId(dialog, buttonE);
    DSupSetFieldError(dialog, fieldA);
    DSupClearLastFieldError(dialog);
    DSupClearLastFieldModified(dialog);
    DSupEnableVantaDialog(dialog, FALSE);
    DSupEnableEnterKey(dialog, FALSE);
    plainLog->push_back(std::string("data ") + (DSupGetStandardDialogData(dialog) ? "yes" : "no") + ", read-only " +
                        (DSupDialogIsReadOnly(dialog) ? "yes" : "no") + ", A shows " +
                        (itemText(dialog, fieldA).empty() ? "nothing" : "text"));
    DSupInsertComboText(dialog, comboC, -1, w(u"one\ntwo"));
    DSupEnableDlgItem(dialog, buttonX, FALSE);
    plainLog->push_back("items " + std::to_string(SendDlgItemMessageW(dialog, comboC, CB_GETCOUNT, 0, 0)) +
                        ", X " + (IsWindowEnabled(GetDlgItem(dialog, buttonX)) ? "enabled" : "disabled") +
                        ", E " + (IsWindowEnabled(GetDlgItem(dialog, buttonE)) ? "enabled" : "disabled"));
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
  return FALSE;
}

TEST_F(FieldAccess, ADialogThatIsNotAStandardDialogIsNotTakenForOne) {
  plainLog = &calls;
  int driversOwnData = 0;
  user.escape();
  EXPECT_EQ(DialogBoxParamW(driverModule(), MAKEINTRESOURCEW(methodDialog), mainWindow, plainDialogProc,
                            reinterpret_cast<LPARAM>(&driversOwnData)),
            IDCANCEL);
  EXPECT_EQ(calls, (Calls{"data no, read-only no, A shows nothing", "items 2, X disabled, E enabled"}));
  EXPECT_EQ(driversOwnData, 0);
}

}  // namespace

}  // namespace dsuptest
