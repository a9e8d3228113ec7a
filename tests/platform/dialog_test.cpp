// Dialogs from templates: finding templates, the controls' order, classes and window longs,
// owners and parents, integer fields, the tab order, WM_NEXTDLGCTL, the default push button, the
// dialog procedure's results, the dialog manager's keys, and the device contexts of controls.
#include <utility>

#include "common/wine.h"
#include "common/wine_departures.h"
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

using Dialogs = DialogTest;

LONG_PTR buttonType(HWND button) { return GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK; }

TEST_F(Dialogs, TemplatesAreFoundByNumberByNameWithoutCaseAndByHashNumber) {
  const DialogTemplate named{WS_POPUP, u"Named", 0, 0, 100, 50, {}};
  ASSERT_TRUE(templates.add(u"MethodDialog", named));
  ASSERT_TRUE(templates.add(7, named));
  const std::pair<LPCWSTR, bool> cases[] = {{MAKEINTRESOURCEW(7), true}, {w(u"#7"), true},
                                            {w(u"methoddialog"), true},  {w(u"METHODDIALOG"), true},
                                            {w(u"Other"), false},        {MAKEINTRESOURCEW(8), false}};
  for (const auto& [name, found] : cases) {
    const HWND created = CreateDialogParamW(module(), name, mainWindow, loggingDialogProc, FALSE);
    EXPECT_EQ(created != nullptr, found);
    if (created) {
      EXPECT_EQ(textOf(created), u"Named");
      DestroyWindow(created);
    } else {
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    }
  }
}

TEST_F(Dialogs, ChildrenAreInTemplateOrderWithTheirClassNames) {
  addTemplate(2, {{u"edit", 11, WS_VISIBLE, nullptr, 0, 0, 10, 10},
                  {u"BUTTON", 12, WS_VISIBLE, nullptr, 0, 0, 10, 10},
                  {u"Static", 13, WS_VISIBLE, nullptr, 0, 0, 10, 10},
                  {u"ComboBox", 14, WS_VISIBLE | CBS_DROPDOWNLIST, nullptr, 0, 0, 10, 10}});
  open(2);
  int id = 11;
  HWND child = GetTopWindow(dialog);
  for (const std::u16string className : {u"Edit", u"Button", u"Static", u"ComboBox"}) {
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetDlgCtrlID(child), id++);
    EXPECT_EQ(classOf(child), className);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);
  EXPECT_EQ(classOf(dialog), u"#32770");
}

TEST_F(Dialogs, WindowLongsHoldTheDialogsDataIdsInstanceAndStyle) {
  open(standardDialog);
  EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_USER), 0);
  EXPECT_EQ(SetWindowLongPtrW(dialog, DWLP_USER, 0x1234), 0);
  EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_USER), 0x1234);
  EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(&loggingDialogProc));
  EXPECT_EQ(GetWindowLongPtrW(dialog, GWLP_HINSTANCE), reinterpret_cast<LONG_PTR>(module()));
  EXPECT_EQ(GetWindowLongPtrW(item(secondEdit), GWLP_ID), secondEdit);
  EXPECT_EQ(GetWindowLongPtrW(item(secondEdit), GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  EXPECT_EQ(GetWindowLongPtrW(item(secondEdit), DWLP_USER), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX)) << "controls have no dialog longs";
  const HWND destroyed =
      CreateWindowExW(0, w(u"Static"), w(u""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  EXPECT_EQ(GetWindowLongPtrW(destroyed, GWLP_ID), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_FALSE(IsWindow(destroyed));
}

TEST_F(Dialogs, OwnerIsTheTopLevelWindowAndGetParentOfAnOwnedPopupIsItsOwner) {
  const HWND child = CreateWindowExW(0, w(u"Static"), w(u""), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, mainWindow, nullptr,
                                     nullptr, nullptr);
  dialog = CreateDialogParamW(module(), MAKEINTRESOURCEW(standardDialog), child, loggingDialogProc, TRUE);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), mainWindow);
  EXPECT_EQ(GetParent(dialog), mainWindow);
  EXPECT_EQ(GetParent(item(firstEdit)), dialog);
  EXPECT_EQ(GetParent(child), mainWindow);
  EXPECT_EQ(GetWindow(child, GW_OWNER), nullptr);
  EXPECT_TRUE(IsChild(mainWindow, child));
  EXPECT_FALSE(IsChild(mainWindow, dialog)) << "an owned window is no child";
  const HWND overlapped =
      CreateWindowExW(0, w(u"Static"), w(u""), WS_OVERLAPPED, 0, 0, 10, 10, mainWindow, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetParent(overlapped), nullptr) << "only an owned pop-up window has its owner as parent";
  EXPECT_EQ(GetWindow(overlapped, GW_OWNER), mainWindow);
  DestroyWindow(overlapped);
}

TEST_F(Dialogs, GetDlgItemIntReadsDecimalNumbersWithTheSignedFlag) {
  struct Case {
    const char16_t* text;
    BOOL isSigned;
    BOOL translated;
    UINT value;
    bool documentedOnly;  // where Wine departs from the documentation
  };
  const Case cases[] = {
      {u"12", TRUE, TRUE, 12, false},           {u"  -7", TRUE, TRUE, static_cast<UINT>(-7), false},
      {u"+7", TRUE, TRUE, 7, false},            {u"12a", TRUE, TRUE, 12, false},
      {u"", TRUE, FALSE, 0, false},             {u"   ", TRUE, FALSE, 0, false},
      {u"x12", TRUE, FALSE, 0, false},          {u"2147483647", TRUE, TRUE, 2147483647u, false},
      {u"2147483648", TRUE, FALSE, 0, false},   {u"4294967296", FALSE, FALSE, 0, false},
      {u"-7", FALSE, FALSE, 0, true},                    // Wine: 4294967289
      {u"-2147483648", TRUE, TRUE, 0x80000000u, true},  // Wine: not translated
      {u"4294967295", FALSE, TRUE, 4294967295u, true},   // Wine: not translated
  };
  open(standardDialog);
  for (const Case& c : cases) {
    if (c.documentedOnly && runsUnderWine()) continue;
    SetDlgItemTextW(dialog, firstEdit, w(c.text));
    BOOL translated = 2;
    EXPECT_EQ(GetDlgItemInt(dialog, firstEdit, &translated, c.isSigned), c.value);
    EXPECT_EQ(translated, c.translated) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
  }
  BOOL translated = 2;
  EXPECT_EQ(GetDlgItemInt(dialog, 999, &translated, TRUE), 0u);
  EXPECT_FALSE(translated);
  EXPECT_TRUE(SetDlgItemInt(dialog, firstEdit, static_cast<UINT>(-5), TRUE));
  EXPECT_EQ(textOf(item(firstEdit)), u"-5");
  SetDlgItemInt(dialog, firstEdit, static_cast<UINT>(-5), FALSE);
  EXPECT_EQ(textOf(item(firstEdit)), u"4294967291");
  if (runsUnderWine())
    GTEST_SKIP() << wineDeparture(WineDeparture::getDlgItemIntRange);
  EXPECT_FALSE(SetDlgItemInt(dialog, 999, 1, TRUE));
}

// WM_INITDIALOG returning TRUE focuses the first tab stop that GetNextDlgTabItem finds.
TEST_F(Dialogs, TabOrderSkipsHiddenDisabledAndOtherControlsAndWraps) {
  addTemplate(2, {{u"Static", 10, WS_VISIBLE, u"Label", 0, 0, 20, 10},
                  {u"Edit", 11, WS_VISIBLE | WS_TABSTOP | WS_DISABLED, u"", 0, 10, 20, 10},
                  {u"Edit", 12, WS_TABSTOP, u"", 0, 20, 20, 10},
                  {u"Edit", 13, WS_VISIBLE | WS_TABSTOP, u"abc", 0, 30, 20, 10},
                  {u"ComboBox", 14, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, nullptr, 0, 40, 40, 40},
                  {u"Button", 15, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, u"B", 50, 0, 20, 10}});
  open(2);
  EXPECT_EQ(focusedId(), 13) << "the first visible, enabled tab stop";
  EXPECT_EQ(SendMessageW(item(13), EM_GETSEL, 0, 0), MAKELONG(0, 3)) << "with its text selected";
  EXPECT_EQ(GetNextDlgTabItem(dialog, item(13), FALSE), item(14));
  EXPECT_EQ(GetNextDlgTabItem(dialog, item(15), FALSE), item(13)) << "wrapping around";
  EXPECT_EQ(GetNextDlgTabItem(dialog, item(13), TRUE), item(15)) << "wrapping around backwards";
  EXPECT_EQ(GetNextDlgTabItem(dialog, GetWindow(item(14), GW_CHILD), FALSE), item(15))
      << "from inside a control, from that control";
  if (runsUnderWine())
    GTEST_SKIP() << wineDeparture(WineDeparture::tabItemBackwardsFromNoControl);
  EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, TRUE), item(15));
}

TEST_F(Dialogs, NextDlgCtlWithAHandleFocusesThatControlAndWithoutOneTheNextTabStop) {
  open(standardDialog);
  SetDlgItemTextW(dialog, firstEdit, w(u"abc"));
  SetDlgItemTextW(dialog, secondEdit, w(u"abc"));
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(secondEdit)), TRUE);
  EXPECT_EQ(focusedId(), secondEdit);
  EXPECT_EQ(SendMessageW(item(secondEdit), EM_GETSEL, 0, 0), MAKELONG(0, 3));
  SendMessageW(dialog, WM_NEXTDLGCTL, 1, FALSE);
  EXPECT_EQ(focusedId(), firstEdit);
  EXPECT_EQ(SendMessageW(item(firstEdit), EM_GETSEL, 0, 0), MAKELONG(0, 3)) << "a tab stop reached also selects";
  SendMessageW(dialog, WM_NEXTDLGCTL, 1, FALSE);
  EXPECT_EQ(focusedId(), IDCANCEL) << "wrapping around backwards";
  SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
  EXPECT_EQ(focusedId(), firstEdit) << "wrapping around forwards";
}

TEST_F(Dialogs, PushButtonReachedByTheDialogManagerBecomesTheDefaultButton) {
  open(standardDialog);
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(pushButton)), TRUE);
  EXPECT_EQ(buttonType(item(pushButton)), BS_DEFPUSHBUTTON);
  EXPECT_EQ(buttonType(item(IDOK)), BS_PUSHBUTTON);
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(firstEdit)), TRUE);
  EXPECT_EQ(buttonType(item(pushButton)), BS_PUSHBUTTON);
  EXPECT_EQ(buttonType(item(IDOK)), BS_DEFPUSHBUTTON) << "the dialog's default button is the default again";
  EXPECT_TRUE(SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0));
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDCANCEL, DC_HASDEFID));
  EXPECT_EQ(buttonType(item(IDCANCEL)), BS_DEFPUSHBUTTON);
  EXPECT_EQ(buttonType(item(IDOK)), BS_PUSHBUTTON);
}

TEST_F(Dialogs, NonzeroResultOfTheDialogProcedureGivesDwlpMsgResult) {
  const auto procedure = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_USER + 7) {
      SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 77);
      return TRUE;
    }
    if (message == DM_GETDEFID) return dialog == nullptr;  // FALSE: the default handling answers
    return message == WM_INITDIALOG ? 5 : FALSE;
  };
  open(standardDialog, procedure, 0);
  EXPECT_EQ(SendMessageW(dialog, WM_USER + 7, 0, 0), 77);
  EXPECT_EQ(SendMessageW(dialog, WM_USER + 8, 0, 0), 0);
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  EXPECT_EQ(SendMessageW(dialog, WM_INITDIALOG, 0, 0), 5) << "WM_INITDIALOG gives the procedure's own result";
  const auto swallowing = [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == DM_GETDEFID; };
  SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(+swallowing));
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), 0) << "a procedure that takes DM_GETDEFID answers itself";
}

// The dialog's default id is IDOK until one is set (by the template or DM_SETDEFID); giving a
// button the default look does not make it the default button.
TEST_F(Dialogs, DefaultIdIsOkUntilOneIsSetAndTheLookDoesNotChangeIt) {
  addTemplate(2, {{u"Edit", firstEdit, WS_VISIBLE | WS_TABSTOP, u"", 0, 0, 40, 12},
                  {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, u"Cancel", 0, 20, 40, 14}});
  open(2);
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  SendMessageW(item(IDCANCEL), BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
  EXPECT_TRUE(pressKey(VK_RETURN));
  ASSERT_FALSE(events().empty());
  EXPECT_EQ(events().front(), "command 1");
}

// Enter with a default button, Escape and Tab are played by the scripted user in the tests below.
TEST_F(Dialogs, EnterWithoutDefaultButtonSendsIdokAndWithADisabledOneNothing) {
  addTemplate(2, {{u"Edit", firstEdit, WS_VISIBLE | WS_TABSTOP, u"", 0, 0, 40, 12}});
  open(2);
  EXPECT_TRUE(pressKey(VK_RETURN));
  ASSERT_FALSE(events().empty());
  EXPECT_EQ(events().front(), "command 1");
  DestroyWindow(dialog);
  open(standardDialog);
  EnableWindow(item(IDOK), FALSE);
  EXPECT_TRUE(pressKey(VK_RETURN));
  EXPECT_TRUE(events().empty());
  MSG elsewhere{mainWindow, WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
  EXPECT_FALSE(IsDialogMessageW(dialog, &elsewhere));
}

TEST_F(Dialogs, TabAndShiftTabMoveThroughTheTabStops) {
  user.tab().tab().shiftTab().shiftTab().shiftTab().escape();
  EXPECT_EQ(runDialog(standardDialog), IDCANCEL);
  EXPECT_EQ(eventsWith("SETFOCUS"), (Strings{"EN_SETFOCUS 101", "EN_SETFOCUS 102", "CBN_SETFOCUS 103",
                                             "EN_SETFOCUS 102", "EN_SETFOCUS 101"}));
}

// Enter goes to the focused default push button, else to DM_GETDEFID's button.
TEST_F(Dialogs, AClickDoesNotMakeAButtonTheDefaultButtonButTabbingOntoItDoes) {
  user.click(pushButton).enter();
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  EXPECT_EQ(eventsWith("BN_CLICKED"), (Strings{"BN_CLICKED 200", "BN_CLICKED 1"}));
  events().clear();
  user.tab().tab().tab().enter().escape();
  EXPECT_EQ(runDialog(standardDialog), IDCANCEL);
  EXPECT_EQ(eventsWith("BN_CLICKED"), (Strings{"BN_CLICKED 200", "BN_CLICKED 2"}));
}

TEST_F(Dialogs, AClickOnADisabledControlReachesNoControl) {
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_INITDIALOG) EnableWindow(GetDlgItem(dialog, pushButton), FALSE);
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  user.click(pushButton).escape();
  EXPECT_EQ(runDialog(standardDialog, procedure, TRUE), IDCANCEL);
  EXPECT_EQ(events(), (Strings{"EN_SETFOCUS 101", "BN_CLICKED 2", "EN_KILLFOCUS 101"}))
      << "the focus stays in the field until the dialog ends, which drops what was posted to it";
}

// Released once, whatever window the release names, and of no use afterwards; none for a window
// that was destroyed.
TEST_F(Dialogs, DeviceContextsAreReleasedOnceAndAreOfNoUseAfterwards) {
  open(standardDialog);
  const HWND field = item(firstEdit);
  const HDC context = GetDC(field);
  ASSERT_NE(context, nullptr);
  TEXTMETRICW metrics{};
  EXPECT_TRUE(GetTextMetricsW(context, &metrics));
  EXPECT_EQ(ReleaseDC(dialog, context), 1) << "the window named is not checked";
  EXPECT_EQ(ReleaseDC(field, context), 0) << "released twice";
  EXPECT_FALSE(GetTextMetricsW(context, &metrics));
  DestroyWindow(std::exchange(dialog, nullptr));
  EXPECT_EQ(GetDC(field), nullptr) << "no device context for a destroyed window";
  RECT client;
  EXPECT_FALSE(GetClientRect(field, &client));
}

}  // namespace
}  // namespace dsuptest
