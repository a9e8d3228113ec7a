// Device contexts and the platform's font: the metrics from which field widths in characters are
// computed, client rectangles from templates in dialog units, and device contexts that must be
// released for the window they were obtained for.
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
  EXPECT_EQ(ReleaseDC(dialog, context), 0) << "released for another window";
  EXPECT_EQ(ReleaseDC(field, context), 1);
  EXPECT_EQ(ReleaseDC(field, context), 0) << "released twice";
  EXPECT_FALSE(GetTextMetricsW(context, &metrics));
  DestroyWindow(dialog);
  EXPECT_EQ(GetDC(field), nullptr) << "no device context for a destroyed window";
  EXPECT_FALSE(GetClientRect(field, &client));
}

}  // namespace
}  // namespace dsuptest
