// The reading of integers that the field checks share: decimal digits with a sign, within the
// signed 32-bit range, never wrapped into it.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/wide_text.h"
#include "dialog/number_text.h"

namespace dsuptest {

namespace {

std::optional<std::int32_t> integerOf(const std::u16string& shown) {
  return dsup::dialog::readInteger({w(shown), shown.size()});
}

TEST(NumberText, IntegersAreDecimalDigitsWithinThe32BitRange) {
  const struct {
    const char16_t* shown;
    std::optional<std::int32_t> value;
  } cases[] = {
      {u"0", 0},
      {u"+7", 7},
      {u"-7", -7},
      {u"007", 7},
      {u"2147483647", INT32_MAX},
      {u"-2147483648", INT32_MIN},
      {u"2147483648", std::nullopt},
      {u"-2147483649", std::nullopt},
      {u"4294967297", std::nullopt},  // would wrap to 1
      {u"12a", std::nullopt},
      {u"1 2", std::nullopt},
      {u" 12", std::nullopt},  // blanks are the caller's to remove
      {u"0x10", std::nullopt},
      {u"1.0", std::nullopt},
      {u"1e3", std::nullopt},
      {u"", std::nullopt},
      {u"+", std::nullopt},
      {u"--1", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::u16string shown = c.shown;
    EXPECT_EQ(integerOf(shown), c.value) << std::string(shown.begin(), shown.end());
  }
}

}  // namespace

}  // namespace dsuptest
