// Message times on the simulated clock, and the platform's rule for windows of other threads
// (Win32 would send the message across and wait for the window's thread; the platform refuses).
#include <thread>

#include "platform/dialog_test_support.h"
#include "sim/clock.h"

namespace dsuptest {
namespace {

class MessageTime : public DialogTest {};
class WindowThreads : public DialogTest {};

TEST_F(MessageTime, IsTheTimeOfPostingAndStaysDuringSentMessages) {
  sim::setTickCount(1000);
  PostMessageW(mainWindow, WM_USER, 0, 0);
  sim::advanceTime(500);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.time, 1000u);
  EXPECT_EQ(GetMessageTime(), 1000);
  SendMessageW(mainWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"x"));
  EXPECT_EQ(GetMessageTime(), 1000);
}

TEST_F(MessageTime, OfInputIsWhenItWasGenerated) {
  static LONG clickTime = 0;
  addTemplate(2, {{u"Button", IDOK, WS_VISIBLE | BS_PUSHBUTTON, u"OK", 0, 0, 40, 14}});
  sim::setTickCount(5000);
  user.wait(250).click(IDOK);
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
    if (message != WM_COMMAND || LOWORD(wParam) != IDOK) return message == WM_INITDIALOG;
    clickTime = GetMessageTime();
    return EndDialog(dialog, IDOK);
  };
  EXPECT_EQ(runDialog(2, procedure, 0), IDOK);
  EXPECT_EQ(clickTime, 5250);
}

TEST_F(WindowThreads, OtherThreadsMayPostButNotUseTheWindowOtherwise) {
  BOOL posted = FALSE, exists = FALSE, textSet = TRUE;
  DWORD error = 0;
  std::thread other([&] {
    posted = PostMessageW(mainWindow, WM_USER + 9, 1, 2);
    exists = IsWindow(mainWindow);
    textSet = SetWindowTextW(mainWindow, u"from elsewhere");
    error = GetLastError();
  });
  other.join();
  EXPECT_TRUE(posted);
  EXPECT_TRUE(exists);
  EXPECT_FALSE(textSet);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_WINDOW_OF_OTHER_THREAD));
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, mainWindow, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER + 9));
  EXPECT_EQ(message.lParam, 2);
}

}  // namespace
}  // namespace dsuptest
