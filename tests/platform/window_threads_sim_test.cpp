// The platform's rule for windows of other threads: another thread may post to a window, but every
// other use fails (Win32 would send the message across and wait for the window's thread, which
// a headless test could not always let happen).
#include <thread>

#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

class WindowThreads : public DialogTest {};

TEST_F(WindowThreads, OtherThreadsCannotUseTheWindowBeyondPosting) {
  BOOL textSet = TRUE;
  DWORD error = 0;
  std::thread other([&] {
    textSet = SetWindowTextW(mainWindow, u"from elsewhere");
    error = GetLastError();
  });
  other.join();
  EXPECT_FALSE(textSet);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_WINDOW_OF_OTHER_THREAD));
  EXPECT_EQ(textOf(mainWindow), u"Main window");
}

}  // namespace
}  // namespace dsuptest
