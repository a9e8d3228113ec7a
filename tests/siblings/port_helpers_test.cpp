// LUMOPORT32: filling a field with a marker character, and the row range that the timetable
// editor hands to the driver's dialog with its delete request.
#include <lumoport32.h>

#include <climits>
#include <string>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace {

using dsuptest::text;

using PortHelpers = dsuptest::PlatformTest;

TEST_F(PortHelpers, FillWritesExactlyTheCountWithoutTerminator) {
  WCHAR buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  PortFillChars(buffer, u'*', 3);
  EXPECT_EQ(text(buffer, 8), u"***#####");
  PortFillChars(buffer, u'-', 0);
  PortFillChars(buffer, u'-', -1);
  PortFillChars(nullptr, u'-', 3);
  EXPECT_EQ(text(buffer, 8), u"***#####");
}

struct RangeCase {
  LONG row, otherRow;
  PortRowRange expected;
};

TEST_F(PortHelpers, RowRangeInEitherOrder) {
  const RangeCase cases[] = {
      {3, 5, {3, 5, 3, 0}},
      {5, 3, {3, 5, 3, 0}},
      {0, 0, {0, 0, 1, 0}},
      {-1, 2, {-1, 2, 4, 0}},
      {INT_MIN, INT_MAX, {INT_MIN, INT_MAX, INT_MAX, 0}},  // the count stops at the largest LONG
  };
  for (const RangeCase& c : cases) {
    PortRowRange range{9, 9, 9, 9};
    PortMakeRowRange(&range, c.row, c.otherRow, 0);
    EXPECT_EQ(range.firstRow, c.expected.firstRow);
    EXPECT_EQ(range.lastRow, c.expected.lastRow);
    EXPECT_EQ(range.rowCount, c.expected.rowCount) << c.row << ".." << c.otherRow;
    EXPECT_EQ(range.value, 0);
  }
  PortRowRange range{};
  PortMakeRowRange(&range, 1, 2, 77);
  EXPECT_EQ(range.value, 77);
  PortMakeRowRange(nullptr, 1, 2, 0);
}

}  // namespace
