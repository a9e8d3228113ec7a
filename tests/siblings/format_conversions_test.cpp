// The numeric conversions of the formatting engine against the C library's printf, which writes
// the same digits; only its exponents (two digits at least) are widened to the three digits of
// the wide printf family. Each case goes through both argument sources, the variable argument
// list and the argument list, which must agree.
#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "format_test_support.h"

namespace {

using siblingtest::formatted;
using siblingtest::widen;

std::string cLibraryFormat(std::string format) {
  // I64 is the platform's spelling of ll.
  for (std::size_t at = format.find("I64"); at != std::string::npos; at = format.find("I64")) format.replace(at, 3, "ll");
  return format;
}

std::string withThreeDigitExponents(const std::string& text) {
  static const std::regex twoDigitExponent("([eE][+-])([0-9]{2})(?![0-9])");
  return std::regex_replace(text, twoDigitExponent, "$010$2");
}

template <class... Args>
void expectLikeCLibrary(const std::string& format, Args... args) {
  std::vector<char> expected(4096);
  std::snprintf(expected.data(), expected.size(), cLibraryFormat(format).c_str(), args...);
  const std::u16string wanted = widen(withThreeDigitExponents(expected.data()));
  const std::u16string wideFormat = widen(format);

  EXPECT_EQ(formatted(wideFormat.c_str(), args...), wanted) << "format " << format;

  const std::array<qxformat::FormatArgument, sizeof...(Args)> list{qxformat::FormatArgument(args)...};
  std::vector<char16_t> buffer(4096);
  const qxformat::FormatResult result = qxformat::formatWide(buffer.data(), buffer.size(), wideFormat.c_str(), list);
  EXPECT_EQ(std::u16string(buffer.data()), wanted) << "argument list, format " << format;
  EXPECT_TRUE(result.argumentsMatched);
  EXPECT_FALSE(result.truncated);
}

TEST(FormatConversions, IntegersAsTheCLibraryWritesThem) {
  const char* formats[] = {"%d",   "%i",    "%5d",    "%-5d|", "%05d",  "%+d",   "% d",   "%+05d",
                           "%.3d", "%8.3d", "%-8.3d|", "%.0d", "%+.0d", "% 5i",  "%u",    "%10u",
                           "%x",   "%X",    "%#x",    "%#X",   "%#8X",  "%08x",  "%#010x", "%.5x",
                           "%o",   "%#o",   "%#5o",  "%hd",   "%hu",   "%hx",   "%-+6d|",
                           "%0-6d|"};
  const int values[] = {0, 1, -1, 7, 42, -42, 500, 32767, -32769, 65535, 65536, INT_MIN, INT_MAX};
  for (const char* format : formats)
    for (int value : values) expectLikeCLibrary(format, value);
}

TEST(FormatConversions, SixtyFourBitIntegersWithLlAndI64) {
  const char* formats[] = {"%lld", "%llu", "%llx", "%llX", "%#llo", "%I64d", "%I64u", "%I64x",
                           "%-22lld|", "%+lld", "%020lld", "%.25I64d"};
  const long long values[] = {0, -1, 1LL << 40, 5000000000LL, LLONG_MIN, LLONG_MAX};
  for (const char* format : formats)
    for (long long value : values) expectLikeCLibrary(format, value);
}

const double fixedValues[] = {0.0,    -0.0,    1.0,        -1.0,   0.5,  1.5,          2.5,
                              0.125,  3.14159, -3.14159,   0.05,   0.001, 99999.5,     123456789.0,
                              1e-7,   0.000025, 1e15,      1e22,   DBL_MAX, DBL_MIN,   5e-324,
                              1.0 / 3, HUGE_VAL, -HUGE_VAL, NAN};

TEST(FormatConversions, FixedFormAsTheCLibraryWritesIt) {
  const char* formats[] = {"%f",     "%.0f",   "%#.0f",  "%.1f",    "%.2f",   "%10.3f", "%-10.3f|",
                           "%010.3f", "%+f",   "% f",    "%+.0f",   "%.10f",  "%.20f",  "%12f",
                           "%-+12.4f|", "%#.3f", "%lf",  "%+012.1f", "%.1100f"};
  for (const char* format : formats)
    for (double value : fixedValues) expectLikeCLibrary(format, value);
}

TEST(FormatConversions, ExponentFormsWithThreeDigitExponents) {
  const char* formats[] = {"%e",    "%E",    "%.0e",  "%#.0e", "%.2e", "%.10e", "%+e",   "% e",
                           "%.1080e", "%g",  "%G",    "%.0g",  "%.1g", "%.3g",  "%#g",   "%#.3g",
                           "%.10g", "%+g",   "%.17g", "%.20g", "%#.0g", "%lg",  "%.40g", "%#.30G"};
  const double more[] = {150000.0, 1e100, 1e-100, 1e-5, 1e-4, 0.0001234, 123456.0, 1234567.0, 9.9999995, 1e-310};
  for (const char* format : formats) {
    for (double value : fixedValues) expectLikeCLibrary(format, value);
    for (double value : more) expectLikeCLibrary(format, value);
  }
}

// A negative width aligns left, a negative precision counts as none.
TEST(FormatConversions, StarTakesWidthAndPrecisionFromTheArguments) {
  for (int star : {-5, -1, 0, 3, 12}) {
    expectLikeCLibrary("[%*d]", star, 42);
    expectLikeCLibrary("[%-*.*d]", star, star, 7);
    expectLikeCLibrary("%.*f", star, 2.5);
    expectLikeCLibrary("%*.*e", star, star, 150000.0);
  }
}

struct WidthCase {
  const char16_t* format;
  double value;
  const char16_t* expected;
};

// Widths count the three exponent digits, so these cannot come from the C library's text.
TEST(FormatConversions, WidthsCountTheThreeExponentDigits) {
  const WidthCase cases[] = {
      {u"%12.3e", 1500.0, u"  1.500e+003"},   {u"%-12.1e|", 150000.0, u"1.5e+005    |"},
      {u"%012.2E", -0.00123, u"-001.23E-003"}, {u"%10.3g", 1234567.0, u" 1.23e+006"},
      {u"%+13.1e", 1e100, u"    +1.0e+100"}, {u"%8g", 1e-5, u"  1e-005"},
      {u"%-9G|", 1e20, u"1E+020   |"},        {u"%014e", -HUGE_VAL, u"          -inf"},
  };
  for (const WidthCase& c : cases) EXPECT_EQ(formatted(c.format, c.value), c.expected) << "value " << c.value;
}

}  // namespace
