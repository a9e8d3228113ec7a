// The text helpers of QXUTIL02 on field texts: blanks stripped in place at either end (as the
// field checks call them, trailing first), and padding to a width.
#include <qxutil02.h>

#include <string>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace {

using dsuptest::text;
using dsuptest::w;

using TextHelpers = dsuptest::PlatformTest;

struct StripCase {
  const char16_t* text;
  const char16_t* trimmed;
};

TEST_F(TextHelpers, StrippingBothEndsInPlace) {
  const StripCase cases[] = {
      {u"12.5", u"12.5"},       {u"  12.5", u"12.5"},   {u"12.5  ", u"12.5"},
      {u"\t 1 2 \t", u"1 2"},   {u"      ", u""},       {u"", u""},
      {u" off ", u"off"},       {u"x", u"x"},
  };
  for (const StripCase& c : cases) {
    WCHAR buffer[16] = {};
    std::char_traits<char16_t>::copy(reinterpret_cast<char16_t*>(buffer), c.text, std::char_traits<char16_t>::length(c.text) + 1);
    LPWSTR result = UtilStripLeading(UtilStripTrailing(buffer));
    EXPECT_EQ(result, buffer) << "the same buffer is returned";
    EXPECT_EQ(text(buffer), c.trimmed);
  }
  EXPECT_EQ(UtilStripTrailing(nullptr), nullptr);
  EXPECT_EQ(UtilStripLeading(nullptr), nullptr);
  char16_t buffer[] = u"  7  ";
  UtilStripTrailing(w(buffer));
  EXPECT_EQ(std::u16string(buffer), u"  7") << "stripping the end alone keeps the leading blanks";
}

struct PadCase {
  const char16_t* text;
  LONG width;
  const char16_t* padded;
};

TEST_F(TextHelpers, PaddingWidensToTheWidthAndNoFurther) {
  const PadCase cases[] = {
      {u"End", 8, u"End-----"},  {u"", 3, u"---"},       {u"Exactly", 7, u"Exactly"},
      {u"Longer", 3, u"Longer"}, {u"Zero", 0, u"Zero"},  {u"Negative", -4, u"Negative"},
  };
  for (const PadCase& c : cases) {
    WCHAR buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    std::char_traits<char16_t>::copy(reinterpret_cast<char16_t*>(buffer), c.text, std::char_traits<char16_t>::length(c.text) + 1);
    UtilPadText(buffer, c.width, u'-');
    EXPECT_EQ(text(buffer), c.padded);
    const std::size_t used = std::u16string(c.padded).size() + 1;
    for (std::size_t i = used; i < std::size(buffer); ++i) EXPECT_EQ(buffer[i], u'#') << "width " << c.width << " at " << i;
  }
}

}  // namespace
