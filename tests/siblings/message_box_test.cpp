// The message boxes of QXUTIL02 as the library uses them: a numbered text of a module formatted
// with the caller's arguments and shown modally, owned by the caller's window, the user's answer
// coming back; and the library's own message shown as written.
#include <dsup.h>
#include <qxplatform.h>
#include <qxutil02.h>

#include <cstdarg>

#include "common/platform_test.h"
#include "sim/trace.h"

namespace {

// The library calls UtilMessageBox from its own variadic message functions, passing their list.
int showMessage(HINSTANCE module, HWND owner, WORD number, UINT style, ...) {
  va_list arguments;
  va_start(arguments, style);
  const int answer = UtilMessageBox(module, owner, number, style, 15, arguments);
  va_end(arguments);
  return answer;
}

class UtilMessageBoxTest : public dsuptest::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    module = PlatformCreateModule();
    PlatformAddString(module, 200, u"Flow of %s: %d ml/min, limit %.1e.");
    PlatformAddString(module, 201, u"Stop the run?");
    owner = CreateWindowExW(0, u"Static", u"Driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                            nullptr, nullptr, module, nullptr);
  }
  void TearDown() override {
    DestroyWindow(owner);
    PlatformDestroyModule(module);
    PlatformTest::TearDown();
  }

  HINSTANCE module = nullptr;
  HWND owner = nullptr;
};

// A missing text shows its number; the caption follows the icon.
TEST_F(UtilMessageBoxTest, FormatsTheNumberedTextAndReturnsTheAnswer) {
  user.answerMessageBox(IDOK).answerMessageBox(IDCANCEL).answerMessageBox(IDOK);
  EXPECT_EQ(showMessage(module, owner, 200, MB_OK | MB_ICONEXCLAMATION, u"pump A", 12, 1500.0), IDOK);
  EXPECT_EQ(showMessage(module, owner, 201, MB_OKCANCEL | MB_ICONHAND), IDCANCEL);
  EXPECT_EQ(showMessage(module, owner, 500, MB_OK | MB_ICONQUESTION), IDOK);
  struct Shown {
    std::u16string text, caption;
    UINT style;
  };
  const Shown expected[] = {{u"Flow of pump A: 12 ml/min, limit 1.5e+003.", u"Warning", MB_OK | MB_ICONEXCLAMATION},
                            {u"Stop the run?", u"Error", MB_OKCANCEL | MB_ICONHAND},
                            {u"no string 1F4", u"Question", MB_OK | MB_ICONQUESTION}};
  const std::vector<sim::MessageBoxRecord> boxes = sim::messageBoxes();
  ASSERT_EQ(boxes.size(), std::size(expected));
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i].text, expected[i].text);
    EXPECT_EQ(boxes[i].caption, expected[i].caption);
    EXPECT_EQ(boxes[i].style, expected[i].style);
    EXPECT_EQ(boxes[i].owner, owner);
  }
}

TEST_F(UtilMessageBoxTest, ShowMessageShowsTheLibraryTextAsAWarning) {
  HINSTANCE library = PlatformModuleOfAddress(reinterpret_cast<const void*>(&DSupFlipLong));
  WCHAR expected[120];
  ASSERT_GT(LoadStringW(library, 117, expected, 120), 0);
  user.answerMessageBox(IDOK);
  EXPECT_EQ(UtilShowMessage(library, owner, 117), IDOK);
  const sim::MessageBoxRecord box = sim::messageBoxes()[0];
  EXPECT_EQ(box.text, std::u16string(expected));
  EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(box.owner, owner);
}

}  // namespace
