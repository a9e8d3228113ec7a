// DoubleFormat: the text that a value gets in a field of a given width, and the texts it must never
// write (cut, overlong, or not a number at all).
#include <dsup.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "common/wide_text.h"
#include "dialog/number_text.h"

namespace dsuptest {

namespace {

std::u16string formatted(double value, int width, int digits) {
  WCHAR buffer[DSUP_FLOAT_TEXT_CAPACITY];
  DoubleFormat(buffer, value, width, digits);
  return text(buffer);
}

struct FormatCase {
  double value;
  int width;
  int digits;
  const char16_t* expected;
};

void expectTexts(std::initializer_list<FormatCase> cases) {
  for (const FormatCase& c : cases)
    EXPECT_EQ(formatted(c.value, c.width, c.digits), c.expected) << c.value << " width " << c.width << " digits " << c.digits;
}

TEST(DoubleFormat, FitsTheValueToTheFieldWidth) {
  expectTexts({
      {0, 10, 3, u"0.000"},
      {0, 10, -3, u"0.0"},
      {12.5, 10, 3, u"12.500"},
      {12.5, 10, -4, u"12.5"},
      {100, 10, -3, u"100.0"},
      {3.14159, 6, 4, u"3.1416"},
      {-3.14159, 6, 4, u"-3.142"},
      {123456789, 12, 3, u"123456789.00"},
      {123456789, 8, 3, u"1.235e08"},
      {-123456789, 8, 3, u"-1.23e08"},
      {1e12, 10, 2, u"1.0e12"},
      {12345.678, 5, 2, u"12346"},
      {99999.5, 6, 2, u"100000"},
      {0.05, 10, 3, u"0.050"},
      {0.05, 10, -3, u"0.05"},
      {0.001, 10, 2, u"0.00"},
      {0.00123, 10, 4, u"0.0012"},
      {0.00123, 10, -4, u"1.23e-003"},
      {-0.00123, 10, -4, u"-1.23e-003"},
      {0.0000001, 10, -4, u"1.0e-007"},
      {0.000025, 12, -6, u"0.000025"},
      {1, 0, 3, u"1e00"},
  });
}

TEST(DoubleFormat, EdgesOfTheWidthAndTheTrimMode) {
  expectTexts({
      // Rounding adds an integer digit that nothing cuts, even beyond the width.
      {99999.5, 5, 2, u"100000"},
      // Without a width: exponent form without decimals, down to 0.1.
      {0, 0, 3, u"0e00"},
      {0.5, 0, 3, u"5e-001"},
      {-250, 0, -2, u"-2e02"},
      // An exponent of three digits keeps them all, with or without its sign.
      {1e100, 6, 2, u"1e100"},
      {-1.5e-120, 12, -3, u"-1.5e-120"},
      // Trim mode keeps the first decimal: 12.000 becomes 12.0.
      {12, 10, -3, u"12.0"},
      {-7, 10, -1, u"-7.0"},
      {1.5e7, 6, -3, u"1.5e07"},
      // Zeros between nonzero decimals stay.
      {1.05, 10, -3, u"1.05"},
      // Without trim mode a small value keeps its fixed form whatever the width.
      {0.0000001, 10, 4, u"0.0000"},
      {0.00123, 3, 4, u"0.0012"},
      // Trim mode in a field too narrow for "0.": the fixed form, printed with the default six
      // decimals, shows more significant digits than the exponent form without decimals.
      {0.00123, 1, -4, u"0.00123"},
      // The sign of zero is not shown.
      {-0.0, 10, 3, u"0.000"},
  });
}

TEST(DoubleFormat, ValuesThatAreNotFiniteAreNamed) {
  const double infinity = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const int width : {0, 3, 10, INT_MAX}) {
    for (const int digits : {0, 3, -3, INT_MIN}) {
      EXPECT_EQ(formatted(infinity, width, digits), u"inf");
      EXPECT_EQ(formatted(-infinity, width, digits), u"-inf");
      EXPECT_EQ(formatted(nan, width, digits), u"nan");
      EXPECT_EQ(formatted(-nan, width, digits), u"nan");
    }
  }
}

// The unit of the last digit that a number's text shows: 0.01 for 12.34, 1000 for 1.2e04.
long double lastDigitUnit(const std::u16string& shown) {
  const std::size_t e = shown.find(u'e');
  const std::u16string mantissa = shown.substr(0, e);
  const std::size_t point = mantissa.find(u'.');
  const long decimals = point == std::u16string::npos ? 0 : static_cast<long>(mantissa.size() - point - 1);
  const long exponent = e == std::u16string::npos ? 0 : std::stol(std::string(shown.begin() + e + 1, shown.end()));
  return std::pow(10.0L, exponent - decimals);
}

TEST(DoubleFormat, AnyWidthAndDigitCountGiveTheWholeValueWithinTheBuffer) {
  const double values[] = {0.0, 5e-324, 1e-300, -1e-5, 0.5, 1.0, -12345.678, 99999.5, 1e76, -1e77, 1e300, -1.7976931348623157e308};
  const int widths[] = {INT_MIN, -5, 0, 1, 5, 76, 77, 78, 79, 101, 1000, INT_MAX};
  const int digitCounts[] = {INT_MIN, -1000, -80, -77, -1, 0, 3, 76, 77, 78, 80, 1000, INT_MAX};
  constexpr WCHAR unwritten = u'#';
  for (const double value : values) {
    for (const int width : widths) {
      for (const int digits : digitCounts) {
        WCHAR buffer[DSUP_FLOAT_TEXT_CAPACITY + 8];
        std::fill(std::begin(buffer), std::end(buffer), unwritten);
        DoubleFormat(buffer, value, width, digits);
        SCOPED_TRACE(testing::Message() << value << " width " << width << " digits " << digits);
        const auto* end = std::find(buffer, buffer + DSUP_FLOAT_TEXT_CAPACITY, WCHAR{0});
        ASSERT_NE(end, buffer + DSUP_FLOAT_TEXT_CAPACITY) << "not terminated within the buffer";
        EXPECT_TRUE(std::all_of(buffer + DSUP_FLOAT_TEXT_CAPACITY, std::end(buffer), [](WCHAR c) { return c == unwritten; }));
        // The text is a number, and the value to the last digit it shows: nothing was cut from it.
        // (Read in long double: rounding may take the largest doubles beyond the double range.)
        const std::u16string shown = text(buffer);
        const std::string narrow(shown.begin(), shown.end());
        ASSERT_TRUE(dsup::dialog::readDecimal({buffer, shown.size()}).has_value()) << "not a number: " << narrow;
        EXPECT_LE(std::fabs(std::strtold(narrow.c_str(), nullptr) - value), lastDigitUnit(shown)) << narrow;
      }
    }
  }
}

}  // namespace

}  // namespace dsuptest
