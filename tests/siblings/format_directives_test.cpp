// The directives of the wide printf conventions beyond the C library's: texts and characters in
// UTF-16 (and single-byte with h), the platform's integer sizes, directives that are not carried
// out, and the argument list's answer to missing or mismatched arguments. The numeric conversions,
// * widths and precisions included, are compared with the C library in format_conversions_test.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <initializer_list>
#include <string>
#include <vector>

#include "format_test_support.h"

namespace {

using qxformat::FormatArgument;
using siblingtest::formatted;

struct Case {
  const char16_t* format;
  std::vector<FormatArgument> arguments;
  const char16_t* expected;
};

// Formats each case from the argument list; `matched` is whether every conversion found its argument.
void expectCases(std::initializer_list<Case> cases, bool matched = true) {
  for (const Case& c : cases) {
    char16_t buffer[256];
    const qxformat::FormatResult result = qxformat::formatWide(buffer, std::size(buffer), c.format, c.arguments);
    EXPECT_EQ(std::u16string(buffer), c.expected)
        << "format " << std::string(c.format, c.format + std::char_traits<char16_t>::length(c.format));
    EXPECT_EQ(result.argumentsMatched, matched);
  }
}

const char16_t* const noText = nullptr;

TEST(FormatDirectives, TextsAndCharactersAreUtf16) {
  const char16_t unterminated[3] = {u'a', u'b', u'c'};
  expectCases({
      {u"%s", {u"Grüße €"}, u"Grüße €"},          {u"[%8s]", {u"abc"}, u"[     abc]"},
      {u"[%-8s]", {u"abc"}, u"[abc     ]"},         {u"[%.2s]", {u"abcdef"}, u"[ab]"},
      {u"[%5.1s]", {u"xyz"}, u"[    x]"},           {u"%ls", {u"wide"}, u"wide"},
      {u"%.3s", {unterminated}, u"abc"},            // read no further than the precision
      {u"%s", {noText}, u"(null)"},                 {u"%hs", {"single-byte \xE9"}, u"single-byte é"},
      {u"[%c]", {u'é'}, u"[é]"},                    {u"[%3c][%-3c]", {u'x', u'y'}, u"[  x][y  ]"},
      {u"%hc", {'\xE9'}, u"é"},                     {u"[%-*.*s]", {6, 2, u"abcdef"}, u"[ab    ]"},
      {u"%%d %5%", {}, u"%d %"},                    {u"%s, %s", {u"one", u"two"}, u"one, two"},
  });
}

// l is 32 bits, as LONG is (the C library of this host would read 64).
TEST(FormatDirectives, SizesFollowThePlatformsIntegerWidths) {
  expectCases({
      {u"%ld|%lu|%lx", {-1, -1, -1}, u"-1|4294967295|ffffffff"},
      {u"%lX", {0x1FFFFFFFFLL}, u"FFFFFFFF"},
      {u"%hd|%hu|%hX", {65535, -1, 0x12345}, u"-1|65535|2345"},
      {u"%I64d|%I64X", {LLONG_MIN, -1LL}, u"-9223372036854775808|FFFFFFFFFFFFFFFF"},
      {u"%d", {0x100000005LL}, u"5"},
      {u"%#.0o|%#o|%#.3o", {0, 8, 8}, u"0|010|010"},  // as the C standard has it, not every C library
  });
  EXPECT_EQ(formatted(u"%ld|%d|%lu", -1, 7, 3000000000u), u"-1|7|3000000000");
}

TEST(FormatDirectives, UnknownDirectivesAreCopiedAsWritten) {
  expectCases({
      {u"%y", {}, u"%y"},         {u"%5.2y|%d", {7}, u"%5.2y|7"}, {u"%hhd", {}, u"%hhd"},
      {u"%I32d", {}, u"%I32d"},   {u"%Lf", {}, u"%Lf"},           {u"%lls", {}, u"%lls"},
      {u"%he", {}, u"%he"},       {u"100%", {}, u"100%"},         {u"%I6", {}, u"%I6"},
  });
}

TEST(FormatDirectives, NIsNeverCarriedOut) {
  int target = 12345;
  EXPECT_EQ(formatted(u"ab%n", &target), u"ab%n");
  EXPECT_EQ(target, 12345);
}

TEST(FormatDirectives, MissingOrMismatchedListArgumentsWriteNothingAndAreReported) {
  expectCases({{u"[%d][%s]", {u"text", 5}, u"[][]"}, {u"[%d][%d]", {1}, u"[1][]"}, {u"[%f]", {2}, u"[]"},
               {u"[%*d]", {}, u"[]"},
               {u"[%d][%s]", {2.5, u"kept"}, u"[][kept]"}},  // later arguments keep their places
              false);
}

std::u16string twiceFromOneList(const char16_t* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  char16_t first[64], second[64];
  qxformat::formatWide(first, std::size(first), format, arguments);
  qxformat::formatWide(second, std::size(second), format, arguments);
  va_end(arguments);
  return std::u16string(first) + u"|" + second;
}

TEST(FormatDirectives, TheCallersVariableArgumentListIsLeftAsItWas) {
  EXPECT_EQ(twiceFromOneList(u"%s=%d", u"n", 3), u"n=3|n=3");
}

TEST(FormatDirectives, NullFormatGivesAnEmptyText) {
  char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
  const qxformat::FormatResult result = qxformat::formatWide(buffer, 4, nullptr, std::vector<FormatArgument>{});
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(result.length, 0u);
}

}  // namespace
