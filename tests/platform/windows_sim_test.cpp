// What only the simulated platform's windows have: its own fixed font and dialog units, from which
// field widths in characters are computed, so that layouts are deterministic (Win32 takes the
// dialog units from the system font instead, Wine: 8 by 16 pixels while a device context's font
// averages 7 by 16, and its edit controls have frames); and its rule for windows of other threads:
// another thread may post to a window, but every other use fails (Win32 would send the message
// across and wait for the window's thread, which a headless test could not always let happen).
#include <thread>

#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

using SimulatedWindows = DialogTest;

TEST_F(SimulatedWindows, FieldOfFortyDialogUnitsIsTenAverageCharactersWide) {
  addTemplate(2, {{u"Edit", firstEdit, WS_VISIBLE, nullptr, 0, 0, 40, 12}});
  open(2);
  RECT client{};
  ASSERT_TRUE(GetClientRect(item(firstEdit), &client));
  EXPECT_EQ(client.right, 70);
  EXPECT_EQ(client.bottom, 24);
  const HDC context = GetDC(item(firstEdit));
  TEXTMETRICW metrics{};
  ASSERT_TRUE(GetTextMetricsW(context, &metrics));
  EXPECT_EQ(metrics.tmAveCharWidth, 7);
  EXPECT_EQ(metrics.tmHeight, 16);
  ReleaseDC(item(firstEdit), context);
}

TEST_F(SimulatedWindows, OtherThreadsCannotUseTheWindowBeyondPosting) {
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
