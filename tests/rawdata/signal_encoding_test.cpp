// The point encodings: difference blocks (108, 130), raw doubles (179), 48-bit integers (181).
#include <gtest/gtest.h>

#include <limits>

#include "raw_file_test.h"

namespace dsuptest {
namespace {

using SignalEncoding = RawFileTest;

TEST_F(SignalEncoding, DifferenceRecordsHoldUpTo32767AndAbsoluteRecordsTheRest) {
  const struct {
    std::vector<double> points;
    Bytes data;
  } cases[] = {
      {{100, 150, 40000, 40001}, {0x10, 0x04, 0x00, 0x64, 0x00, 0x32, 0x80, 0x00, 0x00, 0x00, 0x9C, 0x40, 0x00, 0x01}},
      {{32767, 0}, {0x10, 0x02, 0x7F, 0xFF, 0x80, 0x01}},
      {{-32768}, {0x10, 0x01, 0x80, 0x00, 0xFF, 0xFF, 0x80, 0x00}},
      // The difference wraps in 32 bits: from the largest value to the smallest is +1.
      {{32767, 2147483647, -2147483648.0}, {0x10, 0x03, 0x7F, 0xFF, 0x80, 0x00, 0x7F, 0xFF, 0xFF, 0xFF, 0x00, 0x01}}};
  for (const auto& c : cases) {
    HGLOBAL handle = create(108);
    ASSERT_EQ(write(handle, 108, c.points), 0);
    EXPECT_EQ(closeAndVerify(handle).points, c.points);
    EXPECT_EQ(slice(fileBytes(), 6144, 100), (c.data + Bytes{0, 0}));
  }
}

TEST_F(SignalEncoding, The79thPointStartsANewBlockAndEveryFlushEndsOne) {
  HGLOBAL handle = create(130);
  ASSERT_EQ(write(handle, 130, std::vector<double>(80, 3)), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  EXPECT_EQ(slice(fileBytes(), 6144, 2), (Bytes{0x10, 0x4E}));
  EXPECT_EQ(slice(fileBytes(), 6144 + 2 + 78 * 2, 2), (Bytes{0x10, 0x02}));
  ASSERT_EQ(write(handle, 130, {3}), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  EXPECT_EQ(slice(fileBytes(), 6144 + 4 + 80 * 2, 10), (Bytes{0x10, 0x01, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(closeAndVerify(handle).points.size(), 81u);
}

// Values that are no number, and the extremes they leave, are read back in the round trips.
TEST_F(SignalEncoding, Type179StoresLittleEndianDoublesAndKeepsZeroInItsRange) {
  HGLOBAL handle = create(179);
  ASSERT_EQ(write(handle, 179, {1.0, 2.0, 3.0, 4.0, 5.0}), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  EXPECT_EQ(fileSize(), 6144u + 40);
  EXPECT_EQ(slice(fileBytes(), 6144, 8), (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
  EXPECT_EQ(slice(fileBytes(), 290, 8), (Bytes{0x40, 0xA0, 0, 0, 0, 0, 0, 0})) << "largest 5.0, smallest 0.0";
  closeAndVerify(handle);
}

TEST_F(SignalEncoding, Type181HoldsTheValueRoundedDownWithin48Bits) {
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    Bytes record;
  } cases[] = {{1.5, {0, 0, 0, 0, 0, 1}}, {-1.0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
               {-5.7, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFA}}, {4294967301.0, {0x00, 0x01, 0x00, 0x00, 0x00, 0x05}},
               {-4294967296.0, {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}}, {-1e-300, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
               // Beyond the 48-bit range the nearest limit (further ones and no number: the round trips).
               {140737488355328.0, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}, {infinity, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    HGLOBAL handle = create(181);
    ASSERT_EQ(write(handle, 181, {c.value}), 0);
    ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
    EXPECT_EQ(slice(fileBytes(), 6144, 10), (Bytes{0x7F, 0xFF} + c.record + Bytes{0, 0}));
    closeAndVerify(handle);
  }
}

}  // namespace
}  // namespace dsuptest
