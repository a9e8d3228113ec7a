// The platform's font and dialog units, from which field widths in characters are computed: its
// own fixed choice, so that layouts are deterministic. Win32 takes the dialog units from the
// system font instead (Wine: 8 by 16 pixels, while a device context's font averages 7 by 16), and
// edit controls there have frames that the headless windows have not.
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

class TextMetrics : public DialogTest {};

TEST_F(TextMetrics, FieldOfFortyDialogUnitsIsTenAverageCharactersWide) {
  addTemplate(2, {{u"Edit", firstEdit, WS_VISIBLE, nullptr, 0, 0, 40, 12}});
  const HWND dialog = createDialog(2);
  const HWND field = GetDlgItem(dialog, firstEdit);
  RECT client{};
  ASSERT_TRUE(GetClientRect(field, &client));
  EXPECT_EQ(client.right, 70);
  EXPECT_EQ(client.bottom, 24);
  const HDC context = GetDC(field);
  ASSERT_NE(context, nullptr);
  TEXTMETRICW metrics{};
  ASSERT_TRUE(GetTextMetricsW(context, &metrics));
  EXPECT_EQ(metrics.tmAveCharWidth, 7);
  EXPECT_EQ(metrics.tmHeight, 16);
  EXPECT_EQ(client.right / metrics.tmAveCharWidth, 10);
  ReleaseDC(field, context);
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace dsuptest
