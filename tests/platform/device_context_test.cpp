// Device contexts of windows: released once, whatever window the release names, and of no use
// afterwards; none for a window that was destroyed.
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

class DeviceContexts : public DialogTest {};

TEST_F(DeviceContexts, AreReleasedOnceAndAreOfNoUseAfterwards) {
  const HWND dialog = createDialog(standardDialog);
  const HWND field = GetDlgItem(dialog, firstEdit);
  const HDC context = GetDC(field);
  ASSERT_NE(context, nullptr);
  TEXTMETRICW metrics{};
  EXPECT_TRUE(GetTextMetricsW(context, &metrics));
  EXPECT_EQ(ReleaseDC(dialog, context), 1) << "the window named is not checked";
  EXPECT_EQ(ReleaseDC(field, context), 0) << "released twice";
  EXPECT_FALSE(GetTextMetricsW(context, &metrics));
  DestroyWindow(dialog);
  EXPECT_EQ(GetDC(field), nullptr) << "no device context for a destroyed window";
  RECT client;
  EXPECT_FALSE(GetClientRect(field, &client));
}

}  // namespace
}  // namespace dsuptest
