// The order in which a dialog sees the user's input and the messages it posts itself: posted
// messages are taken before the rest of the input, PeekMessageW's filters skip what they do not
// match, painting comes last, other threads may post, and message times are those of posting or of
// the input.
#include <thread>

#include "platform/dialog_test_support.h"
#if DSUP_SIMULATION
#include "sim/clock.h"
#endif

namespace dsuptest {
namespace {

// Lets time pass: the simulated clock advances, the machine's is waited for.
void letTimePass(DWORD milliseconds) {
#if DSUP_SIMULATION
  sim::advanceTime(milliseconds);
#else
  Sleep(milliseconds);
#endif
}

using MessageOrder = DialogTest;

// A key's down and up, and a click's button down (which moves the focus) and up (which reports
// the click), wait while the messages posted in between are handled.
TEST_F(MessageOrder, PostedMessagesAreTakenBeforeTheKeyIsReleasedOrTheButtonGoesUp) {
  user.tab().click(IDOK);
  EXPECT_EQ(runDialog(standardDialog), IDOK);
  EXPECT_EQ(events(), (Strings{"EN_SETFOCUS 101", "EN_KILLFOCUS 101", "EN_SETFOCUS 102", "posted 101, Tab down",
                               "EN_KILLFOCUS 102", "posted 102", "BN_CLICKED 1"}));
}

TEST_F(MessageOrder, PeekMessageTakesFirstMessageMatchingWindowAndRange) {
  open(standardDialog);
  const HWND edit = item(firstEdit);
  const HWND threadOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));
  struct Case {
    HWND filter;
    UINT min, max;
    UINT expected;  // 0: none
  };
  const Case cases[] = {
      {nullptr, 0, 0, WM_USER + 1},         {mainWindow, 0, 0, WM_USER + 2},
      {threadOnly, 0, 0, WM_USER + 3},      {dialog, 0, 0, WM_USER + 1},
      {edit, WM_USER + 5, WM_USER + 9, 0},  {nullptr, WM_USER + 3, WM_USER + 4, WM_USER + 3},
      {dialog, WM_USER + 2, WM_USER + 3, 0},
      {dialog, WM_USER + 2, WM_USER + 9, WM_USER + 4},  // a window's filter takes its children's too
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
}

TEST_F(MessageOrder, PaintComesWhenNothingElseIsQueuedAndUpdateWindowSendsItAtOnce) {
  UpdateWindow(mainWindow);
  InvalidateRect(mainWindow, nullptr, TRUE);
  PostMessageW(mainWindow, WM_USER, 0, 0);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, mainWindow, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessageW(&message, mainWindow, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
  UpdateWindow(mainWindow);
  EXPECT_FALSE(PeekMessageW(&message, mainWindow, WM_PAINT, WM_PAINT, PM_NOREMOVE)) << "painted";
}

TEST_F(MessageOrder, OtherThreadsMayPostToTheWindow) {
  BOOL posted = FALSE, exists = FALSE;
  std::thread other([&] {
    posted = PostMessageW(mainWindow, WM_USER + 9, 1, 2);
    exists = IsWindow(mainWindow);
  });
  other.join();
  EXPECT_TRUE(posted);
  EXPECT_TRUE(exists);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, mainWindow, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 9));
  EXPECT_EQ(message.lParam, 2);
}

using MessageTime = DialogTest;

TEST_F(MessageTime, IsTheTimeOfPostingAndStaysDuringSentMessages) {
  const DWORD beforePosting = GetTickCount();
  PostMessageW(mainWindow, WM_USER, 0, 0);
  const DWORD afterPosting = GetTickCount();
  letTimePass(50);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, mainWindow, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_GE(message.time, beforePosting);
  EXPECT_LE(message.time, afterPosting);
  EXPECT_EQ(GetMessageTime(), static_cast<LONG>(message.time));
  SendMessageW(mainWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w(u"x")));
  EXPECT_EQ(GetMessageTime(), static_cast<LONG>(message.time));
}

TEST_F(MessageTime, OfInputIsWhenItWasGenerated) {
  static DWORD clickTime = 0;
  addTemplate(2, {{u"Button", IDOK, WS_VISIBLE | BS_PUSHBUTTON, u"OK", 0, 0, 40, 14}});
  user.wait(250).click(IDOK);
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    if (message != WM_COMMAND || LOWORD(wParam) != IDOK) return message == WM_INITDIALOG;
    clickTime = static_cast<DWORD>(GetMessageTime());
    return EndDialog(dialog, IDOK);
  };
  const DWORD start = GetTickCount();
  EXPECT_EQ(runDialog(2, procedure, 0), IDOK);
  EXPECT_GE(clickTime - start, 250u) << "after the wait";
  EXPECT_LE(clickTime, GetTickCount());
}

}  // namespace
}  // namespace dsuptest
