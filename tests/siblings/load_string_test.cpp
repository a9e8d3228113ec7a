// NlsLoadString at the capacities its callers use, with texts longer and shorter than them, and
// with texts that do not exist: the buffer always ends up terminated, never overrun.
#include <qxnls01.h>
#include <qxplatform.h>

#include <string>
#include <vector>

#include "common/platform_test.h"

namespace {

constexpr char16_t guard = 0xA5A5;

class NlsLoadStringTest : public dsuptest::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    module = PlatformCreateModule();
    ASSERT_NE(module, nullptr);
  }
  void TearDown() override {
    EXPECT_TRUE(PlatformDestroyModule(module));
    PlatformTest::TearDown();
  }

  // Loads into a buffer of `capacity` with guards behind it and checks that they are untouched.
  std::u16string load(WORD number, int capacity, int* copied) {
    std::vector<WCHAR> buffer(static_cast<std::size_t>(capacity) + 4, guard);
    *copied = NlsLoadString(module, number, buffer.data(), capacity);
    for (std::size_t i = static_cast<std::size_t>(capacity); i < buffer.size(); ++i)
      EXPECT_EQ(buffer[i], guard) << "written at " << i;
    return buffer.data();
  }

  HINSTANCE module = nullptr;
};

class NlsLoadStringCapacity : public NlsLoadStringTest, public ::testing::WithParamInterface<int> {};

// Texts longer than the capacity, of exactly capacity - 1, shorter, and missing: another text of
// the same block of 16, or a block without any text.
TEST_P(NlsLoadStringCapacity, TextsAreCutToTheCapacityAndMissingOnesAreEmpty) {
  const int capacity = GetParam();
  const std::u16string longText(600, u'L');
  const std::u16string exact(static_cast<std::size_t>(capacity) - 1, u'E');
  ASSERT_TRUE(PlatformAddString(module, 200, longText.c_str()));
  ASSERT_TRUE(PlatformAddString(module, 201, exact.c_str()));
  ASSERT_TRUE(PlatformAddString(module, 202, u"Short"));
  struct Case {
    WORD number;
    std::u16string text;
  };
  for (const Case& c : {Case{200, longText.substr(0, exact.size())}, Case{201, exact}, Case{202, u"Short"},
                        Case{203, u""}, Case{500, u""}}) {
    int copied = -1;
    EXPECT_EQ(load(c.number, capacity, &copied), c.text) << "text " << c.number;
    EXPECT_EQ(copied, static_cast<int>(c.text.size()));
  }
}

INSTANTIATE_TEST_SUITE_P(OfTheLibrary, NlsLoadStringCapacity, ::testing::Values(89, 99, 100, 120, 149, 512));

TEST_F(NlsLoadStringTest, UnusableBuffersAreLeftAlone) {
  ASSERT_TRUE(PlatformAddString(module, 200, u"text"));
  WCHAR buffer[8] = {u'x', u'y', 0};
  EXPECT_EQ(NlsLoadString(module, 200, buffer, 0), 0);  // no pointer is stored in the buffer
  EXPECT_EQ(NlsLoadString(module, 200, buffer, -5), 0);
  EXPECT_EQ(std::u16string(buffer), u"xy");
  EXPECT_EQ(NlsLoadString(module, 200, nullptr, 8), 0);
  EXPECT_EQ(NlsLoadString(module, 200, buffer, 1), 0);
  EXPECT_EQ(buffer[0], 0);
  buffer[0] = u'x';
  EXPECT_EQ(NlsLoadString(nullptr, 200, buffer, 8), 0);
  EXPECT_EQ(buffer[0], 0);
}

}  // namespace
