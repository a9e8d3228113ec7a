// The formatting engine at the edge of its buffer: for every capacity from 0 to beyond the whole
// text, the text is cut to capacity - 1 code units, terminated, reported as cut, and nothing is
// written past the capacity. Widths and precisions of any size cost no more than the buffer.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "format_test_support.h"

namespace {

using qxformat::FormatArgument;

constexpr char16_t guard = 0xA5A5;

struct Case {
  const char16_t* format;
  std::vector<FormatArgument> arguments;
};

std::u16string whole(const Case& c) {
  std::vector<char16_t> buffer(8192);
  qxformat::formatWide(buffer.data(), buffer.size(), c.format, c.arguments);
  return buffer.data();
}

TEST(FormatCapacity, EveryCapacityCutsTerminatesAndStaysInside) {
  const Case cases[] = {
      {u"[%-10s|%5d|%e]", {u"name", -42, 1.5e5}}, {u"%08.3f%%", {-3.14159}}, {u"%#.0e and %+.3g", {2.0, 1e-9}},
      {u"%*s", {12, u"right"}},                  {u"%s", {u"Grüße"}},
      {u"%.1500f", {1.0}},  // zeros beyond the exact digits
  };
  for (const Case& c : cases) {
    const std::u16string full = whole(c);
    for (std::size_t capacity = 0; capacity <= full.size() + 2; ++capacity) {
      std::vector<char16_t> buffer(capacity + 8, guard);
      const qxformat::FormatResult result = qxformat::formatWide(buffer.data(), capacity, c.format, c.arguments);
      const std::size_t kept = capacity == 0 ? 0 : std::min(full.size(), capacity - 1);
      ASSERT_EQ(result.length, kept) << "capacity " << capacity;
      EXPECT_EQ(result.truncated, kept < full.size()) << "capacity " << capacity;
      EXPECT_EQ(std::u16string(buffer.data(), kept), full.substr(0, kept));
      if (capacity > 0) {
        EXPECT_EQ(buffer[kept], 0) << "capacity " << capacity;
      }
      for (std::size_t i = capacity; i < buffer.size(); ++i)
        ASSERT_EQ(buffer[i], guard) << "written at " << i << " with capacity " << capacity;
    }
  }
  const qxformat::FormatResult none = qxformat::formatWide(nullptr, 10, u"%d", std::vector<FormatArgument>{7});
  EXPECT_EQ(none.length, 0u) << "a null buffer";
  EXPECT_TRUE(none.truncated);
}

TEST(FormatCapacity, HugeWidthsAndPrecisionsCostOnlyTheBuffer) {
  const Case cases[] = {
      {u"%*d", {INT_MAX, 7}},          {u"%-*d", {INT_MIN, 7}},         {u"%2147483647d", {7}},
      {u"%.*f", {INT_MAX, 1.0}},       {u"%.*e", {INT_MAX, 1.0 / 3}},   {u"%#.*g", {INT_MAX, 0.5}},
      {u"%.*d", {INT_MAX, 7}},         {u"%.2147483647s|", {u"short"}}, {u"%99999999999999999999d", {7}},
      {u"%0*.*f", {INT_MAX, INT_MAX, -HUGE_VAL}},
  };
  const auto start = std::chrono::steady_clock::now();
  for (const Case& c : cases) {
    char16_t buffer[33];
    buffer[32] = guard;
    const qxformat::FormatResult result = qxformat::formatWide(buffer, 32, c.format, c.arguments);
    EXPECT_LE(result.length, 31u);
    EXPECT_EQ(buffer[result.length], 0);
    EXPECT_EQ(buffer[32], guard);
  }
  EXPECT_EQ(whole({u"%.2147483647s|", {u"short"}}), u"short|");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
