// The scroller without memory for the rows it shows: no scroller window comes into being, and
// nothing is left behind.
#include <qxscroller.h>

#include "common/platform_test.h"
#include "common/wide_text.h"
#include "sim/faults.h"

namespace dsuptest {
namespace {

using ScrollerMemory = PlatformTest;

TEST_F(ScrollerMemory, WithoutMemoryForItsRowsNoScrollerIsCreated) {
  const HWND parent = CreateWindowExW(0, w(u"Static"), w(u"Parent"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200,
                                      nullptr, nullptr, nullptr, nullptr);
  const auto create = [&] {
    return CreateWindowExW(0, QXSCROLLER_CLASSNAME, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 80, parent,
                           reinterpret_cast<HMENU>(41), nullptr, nullptr);
  };
  sim::failOperation(sim::Operation::allocate);
  EXPECT_EQ(create(), nullptr);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
  const HWND scroller = create();
  ASSERT_NE(scroller, nullptr) << "with memory it is created";
  EXPECT_EQ(SendMessageW(scroller, SCM_ISROWVISIBLE, 4, 0), TRUE);
  EXPECT_EQ(SendMessageW(scroller, SCM_ISROWVISIBLE, 5, 0), FALSE) << "five rows of 16 pixels in 80";
  DestroyWindow(parent);
}

}  // namespace
}  // namespace dsuptest
