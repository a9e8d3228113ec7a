// The edit control: change notifications (WM_SETTEXT included), the packed selection, the text
// limit, typing and pasting, and texts that are cut to the caller's buffer.
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

constexpr WORD editDialog = 2;
constexpr int multiLineEdit = 104;
constexpr int plainMultiLineEdit = 105;  // multi-line, without ES_WANTRETURN

class EditTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    addTemplate(editDialog,
                {{u"Edit", multiLineEdit, WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN, u"", 0, 0, 80, 40},
                 {u"Edit", firstEdit, WS_VISIBLE | WS_TABSTOP, u"", 0, 50, 80, 12},
                 {u"Edit", plainMultiLineEdit, WS_VISIBLE | WS_TABSTOP | ES_MULTILINE, u"", 0, 70, 80, 30},
                 {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK", 90, 0, 40, 14}});
  }
};

// Edit controls of a modeless dialog, driven by messages.
class EditControl : public EditTest {
 protected:
  void SetUp() override {
    EditTest::SetUp();
    open(editDialog, FALSE);
    edit = item(firstEdit);
  }
  DWORD selection(HWND control) { return static_cast<DWORD>(SendMessageW(control, EM_GETSEL, 0, 0)); }

  HWND edit = nullptr;
};

TEST_F(EditControl, EveryChangeNotifiesUpdateThenChangeButSetTextOfAMultiLineEditNotifiesNothing) {
  struct Case {
    int id;
    UINT message;
    const char16_t* text;
    Strings expected;
  };
  const Case cases[] = {
      {firstEdit, WM_SETTEXT, u"12.5", {"EN_UPDATE 101", "EN_CHANGE 101"}},
      {firstEdit, WM_SETTEXT, u"12.5", {"EN_UPDATE 101", "EN_CHANGE 101"}},  // the same text
      {firstEdit, EM_REPLACESEL, u"x", {"EN_UPDATE 101", "EN_CHANGE 101"}},
      {multiLineEdit, WM_SETTEXT, u"first", {}},
      {multiLineEdit, EM_REPLACESEL, u"x", {"EN_UPDATE 104", "EN_CHANGE 104"}},
  };
  for (const Case& c : cases) {
    SendMessageW(item(c.id), EM_SETSEL, 1, 1);
    events().clear();
    SendMessageW(item(c.id), c.message, FALSE, reinterpret_cast<LPARAM>(c.text));
    EXPECT_EQ(events(), c.expected) << "control " << c.id << ", message " << c.message;
    if (c.message == WM_SETTEXT) {
      EXPECT_EQ(selection(item(c.id)), 0u) << "the selection is 0..0 after WM_SETTEXT";
    }
  }
  EXPECT_EQ(textOf(edit), u"1x2.5");
  EXPECT_EQ(textOf(item(multiLineEdit)), u"fxirst");
}

TEST_F(EditControl, SelectionIsOrderedClampedAndPackedIntoOneResult) {
  struct Case {
    LONG start, end;
    DWORD expected;  // end in the high word, start in the low word
  };
  const Case cases[] = {
      {2, 5, 0x00050002},  {5, 2, 0x00050002},  {0, -1, 0x000B0000},
      {3, 100, 0x000B0003}, {-5, 2, 0x000B0002}, {11, 11, 0x000B000B},
  };
  SetWindowTextW(edit, w(u"hello world"));
  for (const Case& c : cases) {
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
    DWORD start = 99, end = 99;
    EXPECT_EQ(static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                               reinterpret_cast<LPARAM>(&end))),
              c.expected)
        << c.start << ", " << c.end;
    EXPECT_EQ(MAKELONG(start, end), static_cast<LONG>(c.expected));
  }
  SendMessageW(edit, EM_SETSEL, 2, 5);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(selection(edit), 0x00050005u) << "a start of -1 removes the selection, the caret stays at its end";
}

TEST_F(EditControl, ReplaceSelIsHeldToTheTextLimit) {
  SetWindowTextW(edit, w(u"abc"));
  SendMessageW(edit, EM_LIMITTEXT, 5, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 5);
  SendMessageW(edit, EM_SETSEL, 3, 3);
  events().clear();
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(u"defgh"));
  EXPECT_EQ(textOf(edit), u"abcde");
  EXPECT_EQ(events(), (Strings{"EN_MAXTEXT 101", "EN_UPDATE 101", "EN_CHANGE 101"}));
  SetWindowTextW(edit, w(u"longer than five"));
  EXPECT_EQ(textOf(edit), u"longer than five") << "WM_SETTEXT is not limited";
}

TEST_F(EditControl, TextIsCutToTheBufferWithoutWritingPastIt) {
  SetWindowTextW(edit, w(u"hello"));
  struct Case {
    int capacity;
    int copied;
    std::u16string text;
  };
  for (const Case& c : {Case{4, 3, u"hel"}, Case{6, 5, u"hello"}, Case{1, 0, u""}, Case{0, 0, u"####"}}) {
    WCHAR buffer[8] = {u'#', u'#', u'#', u'#', u'#', u'#', u'#', 0};
    EXPECT_EQ(GetWindowTextW(edit, buffer, c.capacity), c.copied);
    EXPECT_EQ(text(buffer).substr(0, c.text.size()), c.text);
    EXPECT_EQ(buffer[c.capacity < 1 ? 0 : c.capacity], u'#') << "capacity " << c.capacity;
  }
  WCHAR buffer[4] = {u'#', u'#', u'#', 0};
  EXPECT_EQ(GetDlgItemTextW(dialog, 999, buffer, 4), 0u);
  EXPECT_EQ(buffer[0], 0) << "a missing control gives an empty text";
  EXPECT_EQ(GetClassNameW(edit, buffer, 3), 2);
  EXPECT_EQ(text(buffer), u"Ed");
}

// Edit controls of a modal dialog, typed into by the scripted user.
using EditTyping = EditTest;

// Enter makes a new line in a multi-line edit that wants returns (elsewhere it goes to the dialog).
TEST_F(EditTyping, EachTypedCharacterEachPasteAndEachNewLineIsOneChange) {
  static std::u16string typed;
  user.type(u"12").paste(u"345").type(u"\b").enter().type(u"b").click(IDOK);
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) typed = textOf(GetDlgItem(dialog, multiLineEdit));
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  EXPECT_EQ(runDialog(editDialog, procedure, TRUE), IDOK);
  EXPECT_EQ(typed, u"1234\r\nb");
  EXPECT_EQ(eventsWith("EN_CHANGE 104").size(), 6u);
  EXPECT_EQ(eventsWith("EN_UPDATE 104").size(), 6u);
}

// A multi-line edit takes every key in a dialog; one that wants no returns hands Enter to the
// default button (with the focus), Escape to the dialog, and Tab moves on from it.
TEST_F(EditTyping, AMultiLineEditWithoutReturnsHandsTheDialogKeysOn) {
  static std::u16string typed;
  static int focusAtCommand = 0;
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      typed = textOf(GetDlgItem(dialog, plainMultiLineEdit));
      focusAtCommand = focusedId();
    }
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  user.click(plainMultiLineEdit).type(u"ab").enter();
  EXPECT_EQ(runDialog(editDialog, procedure, TRUE), IDOK);
  EXPECT_EQ(typed, u"ab") << "no new line";
  EXPECT_EQ(focusAtCommand, IDOK) << "Enter was pressed on the default button";
  user.wait(600).click(plainMultiLineEdit).tab().type(u"x").wait(600).click(plainMultiLineEdit).type(u"y").escape();
  EXPECT_EQ(runDialog(editDialog, procedure, TRUE), IDCANCEL);
  EXPECT_EQ(typed, u"y") << "after Tab the x went to the button";
  EXPECT_EQ(eventsWith("BN_CLICKED"), Strings{"BN_CLICKED 1"});
}

}  // namespace
}  // namespace dsuptest
