// FabsFormat as the number formatting and the help line call it: the two conversions with a
// precision argument, exponents of three digits, the help line's fallback, and the buffer size it
// assumes.
#include <qxfabs00.h>

#include <string>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace {

using dsuptest::text;
using dsuptest::w;

using FabsFormatTest = dsuptest::PlatformTest;

TEST_F(FabsFormatTest, CallsOfTheLibraryAndTextsCutToTheAssumedBuffer) {
  WCHAR buffer[FABS_FORMAT_CAPACITY + 16];
  EXPECT_EQ(FabsFormat(buffer, w(u"%.*e"), 1, 150000.0), 8);
  EXPECT_EQ(text(buffer), u"1.5e+005");
  FabsFormat(buffer, w(u"%.*f"), -4, 0.5);  // a negative precision counts as none
  EXPECT_EQ(text(buffer), u"0.500000");
  FabsFormat(buffer, w(u"no string %X"), static_cast<WORD>(500));
  EXPECT_EQ(text(buffer), u"no string 1F4");

  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(FabsFormat(buffer, w(u"%.*f"), 200, 1.0), -1);
  EXPECT_EQ(text(buffer).size(), FABS_FORMAT_CAPACITY - 1u);
  EXPECT_EQ(text(buffer).substr(0, 6), u"1.0000");
  for (std::size_t i = FABS_FORMAT_CAPACITY; i < std::size(buffer); ++i) EXPECT_EQ(buffer[i], u'#') << "at " << i;
}

}  // namespace
