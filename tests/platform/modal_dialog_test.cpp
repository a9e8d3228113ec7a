// Modal dialogs and message boxes: EndDialog's value, the owner disabled while they run, the
// dialog shown after WM_INITDIALOG (WS_VISIBLE) or when its queue first goes empty, nesting, the
// focus given back afterwards, and the buttons, caption and Escape of message boxes.
#include "common/wine.h"
#include "common/wine_departures.h"
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

using ModalDialogs = DialogTest;

// What a procedure under test noted while the dialog ran.
std::vector<std::string>& notes() { return events(); }

TEST_F(ModalDialogs, ReturnTheValueGivenToEndDialogAndDoNotStartWithoutTemplateOrOwner) {
  const auto endAtOnce = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    return message == WM_INITDIALOG && EndDialog(dialog, -7);
  };
  EXPECT_EQ(runDialog(standardDialog, endAtOnce, 0), -7);
  EXPECT_EQ(runDialog(99, loggingDialogProc, 0), -1);
  const HWND gone = CreateWindowExW(0, w(u"Static"), w(u""), WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(DialogBoxParamW(module(), MAKEINTRESOURCEW(standardDialog), gone, loggingDialogProc, 0), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_TRUE(events().empty());
}

TEST_F(ModalDialogs, TheOwnerIsDisabledWhileTheDialogRunsAndActiveAfterwards) {
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    const HWND owner = GetWindow(dialog, GW_OWNER);
    if (message == WM_INITDIALOG) {
      notes().push_back(IsWindowEnabled(owner) ? "owner enabled" : "owner disabled");
      notes().push_back(IsWindowVisible(dialog) ? "shown at init" : "hidden at init");
      PostMessageW(dialog, deferredMessage, 0, 0);
    } else if (message == deferredMessage) {
      notes().push_back(IsWindowVisible(dialog) ? "shown before idle" : "hidden before idle");
    } else if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
      notes().push_back(IsWindowVisible(dialog) && GetActiveWindow() == dialog ? "shown and active" : "not shown");
      EndDialog(dialog, IDOK);
    } else {
      return FALSE;
    }
    return TRUE;
  };
  addTemplate(2, {{u"Button", IDOK, WS_VISIBLE | BS_PUSHBUTTON, u"OK", 0, 0, 40, 14}}, WS_POPUP | WS_CAPTION);
  // The standard template has WS_VISIBLE, template 2 has not.
  for (const auto& [number, beforeIdle] : {std::pair{standardDialog, "shown before idle"}, {2, "hidden before idle"}}) {
    notes().clear();
    user.click(IDOK);
    EXPECT_EQ(runDialog(number, procedure, 0), IDOK);
    EXPECT_EQ(notes(), (Strings{"owner disabled", "hidden at init", beforeIdle, "shown and active"}))
        << "template " << number;
    EXPECT_TRUE(IsWindowEnabled(mainWindow));
    EXPECT_EQ(GetActiveWindow(), mainWindow);
  }
}

TEST_F(ModalDialogs, NestedDialogRunsOwnedByTheOuterOneAndTheFocusComesBack) {
  static HINSTANCE instance = nullptr;
  instance = module();
  const auto outer = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_COMMAND && LOWORD(wParam) == pushButton && HIWORD(wParam) == BN_CLICKED) {
      PostMessageW(dialog, WM_USER + 5, 0, 0);  // handled while the inner dialog runs
      const INT_PTR inner =
          DialogBoxParamW(instance, MAKEINTRESOURCEW(standardDialog), dialog, loggingDialogProc, TRUE);
      notes().push_back("inner returned " + std::to_string(inner) + ", focus on " + std::to_string(focusedId()));
      return TRUE;
    }
    if (message == WM_USER + 5) {
      const HWND active = GetActiveWindow();
      notes().push_back(std::string(IsWindowEnabled(dialog) ? "outer enabled" : "outer disabled") +
                        (GetWindow(active, GW_OWNER) == dialog ? ", inner owned by outer" : ""));
      return TRUE;
    }
    return loggingDialogProc(dialog, message, wParam, lParam);
  };
  user.click(pushButton).escape().click(IDOK);
  EXPECT_EQ(runDialog(standardDialog, outer, TRUE), IDOK);
  EXPECT_EQ(eventsWith("outer"), Strings{"outer disabled, inner owned by outer"});
  EXPECT_EQ(eventsWith("inner returned"), Strings{"inner returned 2, focus on 200"});
  EXPECT_EQ(eventsWith("BN_CLICKED"), (Strings{"BN_CLICKED 2", "BN_CLICKED 1"}));
}

TEST_F(ModalDialogs, MessageBoxTakesTheFocusAndGivesItBack) {
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_INITDIALOG) PostMessageW(dialog, WM_USER + 1, 0, 0);
    if (message != WM_USER + 1) return loggingDialogProc(dialog, message, wParam, lParam);
    const int answer = MessageBoxW(dialog, w(u"Value out of range"), w(u"Check"), MB_OKCANCEL);
    notes().push_back("answer " + std::to_string(answer) + ", focus on " + std::to_string(focusedId()));
    return TRUE;
  };
  user.answerMessageBox(IDCANCEL).click(IDOK);
  EXPECT_EQ(runDialog(standardDialog, procedure, TRUE), IDOK);
  EXPECT_EQ(events(), (Strings{"EN_SETFOCUS 101", "EN_KILLFOCUS 101", "posted 101", "EN_SETFOCUS 101",
                               "answer 2, focus on 101", "EN_KILLFOCUS 101", "posted 101", "BN_CLICKED 1"}));
}

// Seen from inside the box's loop, where a message posted before the box is handled: the box is
// the active window, a dialog of the platform's own module, owned (and its owner disabled) by the
// top-level window of the owner given (here a field of the dialog), with its default button
// focused; Escape pressed there closes a box with Cancel as IDCANCEL and one with only OK as IDOK,
// and does nothing in others.
TEST_F(ModalDialogs, MessageBoxIsOwnedByTheTopLevelWindowFocusesItsDefaultButtonAndTakesEscape) {
  static bool pressEscape = false;
  static int focused = 0;
  static std::u16string caption;
  static HWND owner = nullptr;
  static BOOL ownerEnabled = TRUE;
  static LONG_PTR instance = 0;
  const auto insideTheBox = [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message != WM_USER) return message == WM_INITDIALOG;
    const HWND box = GetActiveWindow();
    focused = GetDlgCtrlID(GetFocus());
    caption = textOf(box);
    owner = GetWindow(box, GW_OWNER);
    ownerEnabled = IsWindowEnabled(owner);
    instance = GetWindowLongPtrW(box, GWLP_HINSTANCE);
    MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
    if (pressEscape) IsDialogMessageW(box, &escape);
    return TRUE;
  };
  open(standardDialog, insideTheBox, 0);
  struct Case {
    UINT type;
    const char16_t* caption;
    int focused;
    bool escape, userAnswers;
    int answer;
    bool documentedOnly;  // Wine closes every box with IDCANCEL on Escape
  };
  const Case cases[] = {
      {MB_YESNOCANCEL | MB_DEFBUTTON3, u"Caption", IDCANCEL, true, false, IDCANCEL, false},
      {MB_ABORTRETRYIGNORE, nullptr, IDABORT, false, true, IDABORT, false},
      {MB_RETRYCANCEL | MB_DEFBUTTON2, u"Caption", IDCANCEL, false, true, IDCANCEL, false},
      {MB_OKCANCEL | MB_DEFBUTTON3, u"Caption", IDOK, true, false, IDCANCEL, false},
      {MB_OK, u"Caption", IDOK, true, false, IDOK, true},
      {MB_YESNO, u"Caption", IDYES, true, true, IDNO, true},
  };
  for (const Case& c : cases) {
    if (c.documentedOnly && runsUnderWine()) continue;
    PostMessageW(dialog, WM_USER, 0, 0);
    pressEscape = c.escape;
    if (c.userAnswers) user.answerMessageBox(c.answer);
    EXPECT_EQ(MessageBoxW(item(firstEdit), w(u"Text"), c.caption ? w(c.caption) : nullptr, c.type), c.answer)
        << "type " << c.type;
    EXPECT_EQ(focused, c.focused) << "type " << c.type;
    EXPECT_EQ(caption, c.caption ? c.caption : u"Error");
    EXPECT_EQ(owner, dialog);
    EXPECT_FALSE(ownerEnabled) << "a modal box disables its owner";
    EXPECT_NE(instance, reinterpret_cast<LONG_PTR>(module())) << "the box is not the driver's window";
  }
  if (runsUnderWine())
    GTEST_SKIP() << wineDeparture(WineDeparture::escapeInMessageBoxes);
}

}  // namespace
}  // namespace dsuptest
