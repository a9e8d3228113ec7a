// The point encodings: difference blocks (108, 130), raw doubles (179), 48-bit integers (181).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "signal_file_test.h"

namespace dsuptest {
namespace {

using SignalEncoding = SignalFileTest;

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(SignalEncoding, Type108MixesDifferenceAndAbsoluteRecordsInOneBlock) {
  HGLOBAL handle = create(108);
  const LONG points[] = {100, 150, 40000, 40001};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 4), 0);
  EXPECT_EQ(slice(fileBytes(), 6144, 20), (Bytes{0x10, 0x04, 0x00, 0x64, 0x00, 0x32, 0x80, 0x00, 0x00, 0x00, 0x9C,
                                                 0x40, 0x00, 0x01, 0x00, 0x00}));
  closeAndVerify(handle);
}

struct DifferenceCase {
  LONG previous, value;
  Bytes record;
};

class DifferenceRecord : public SignalFileTest, public ::testing::WithParamInterface<DifferenceCase> {};

TEST_P(DifferenceRecord, HoldsDifferencesUpTo32767AndEscapesTheRest) {
  HGLOBAL handle = create(130);
  const LONG points[] = {GetParam().previous, GetParam().value};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 2), 0);
  const Bytes file = fileBytes();
  const std::size_t firstRecord = GetParam().previous == 0 ? 2 : 6;
  EXPECT_EQ(slice(file, 6146 + firstRecord, GetParam().record.size() + 2), (GetParam().record + Bytes{0, 0}));
  EXPECT_EQ(closeAndVerify(handle).points, (std::vector<double>{double(GetParam().previous), double(GetParam().value)}));
}

INSTANTIATE_TEST_SUITE_P(
    SignalEncoding, DifferenceRecord,
    ::testing::Values(DifferenceCase{0, 32767, {0x7F, 0xFF}}, DifferenceCase{0, -32767, {0x80, 0x01}},
                      DifferenceCase{0, -32768, {0x80, 0x00, 0xFF, 0xFF, 0x80, 0x00}},
                      DifferenceCase{0, 40000, {0x80, 0x00, 0x00, 0x00, 0x9C, 0x40}},
                      // The difference wraps in 32 bits: from the largest to the smallest value is +1.
                      DifferenceCase{2147483647, std::numeric_limits<LONG>::min(), {0x00, 0x01}}));

TEST_F(SignalEncoding, The79thPointStartsANewBlockAndEveryFlushEndsOne) {
  HGLOBAL handle = create(130);
  const std::vector<LONG> points(80, 3);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points.data(), 80), 0);
  Bytes file = fileBytes();
  EXPECT_EQ(slice(file, 6144, 2), (Bytes{0x10, 0x4E}));
  EXPECT_EQ(slice(file, 6144 + 2 + 78 * 2, 2), (Bytes{0x10, 0x02}));
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points.data(), 1), 0);
  file = fileBytes();
  EXPECT_EQ(slice(file, file.size() - 6, 6), (Bytes{0x10, 0x01, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(closeAndVerify(handle).points.size(), 81u);
}

TEST_F(SignalEncoding, Type179StoresLittleEndianDoublesAndKeepsZeroInItsRange) {
  HGLOBAL handle = create(179);
  const double points[] = {1.0, 2.0, 3.0, 4.0, 5.0};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 5), 0);
  const Bytes file = fileBytes();
  EXPECT_EQ(file.size(), 6144u + 40);
  EXPECT_EQ(slice(file, 6144, 8), (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
  EXPECT_EQ(slice(file, 290, 8), (Bytes{0x40, 0xA0, 0, 0, 0, 0, 0, 0})) << "largest 5.0, smallest 0.0";
  closeAndVerify(handle);
}

TEST_F(SignalEncoding, Type179ValuesThatAreNoNumberLeaveTheExtremes) {
  HGLOBAL handle = create(179);
  const double points[] = {std::nan(""), -2.0, std::nan("")};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 3), 0);
  const dsupreader::SignalFile file = closeAndVerify(handle);
  EXPECT_TRUE(std::isnan(file.real("firstValueField")));
  EXPECT_EQ(file.real("minValueA"), -2.0);
  EXPECT_EQ(file.real("maxValueA"), 0.0);
}

struct Integer48Case {
  double value;
  Bytes record;
};

class Integer48Record : public SignalFileTest, public ::testing::WithParamInterface<Integer48Case> {};

TEST_P(Integer48Record, HoldsTheValueRoundedDownWithin48Bits) {
  HGLOBAL handle = create(181);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, &GetParam().value, 1), 0);
  EXPECT_EQ(slice(fileBytes(), 6144, 10), (Bytes{0x7F, 0xFF} + GetParam().record + Bytes{0, 0}));
  closeAndVerify(handle);
}

constexpr double infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    SignalEncoding, Integer48Record,
    ::testing::Values(Integer48Case{1.5, {0, 0, 0, 0, 0, 1}}, Integer48Case{-1.0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                      Integer48Case{-5.7, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFA}},
                      Integer48Case{4294967301.0, {0x00, 0x01, 0x00, 0x00, 0x00, 0x05}},
                      Integer48Case{-4294967296.0, {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}},
                      Integer48Case{-1e-300, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                      // Beyond the 48-bit range the nearest limit; no number gives 0.
                      Integer48Case{140737488355328.0, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                      Integer48Case{infinity, {0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                      Integer48Case{-1e300, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00}},
                      Integer48Case{std::nan(""), {0, 0, 0, 0, 0, 0}}));

TEST_F(SignalEncoding, ACountOfZeroWritesNoPointButFlushesAnAgedCache) {
  HGLOBAL handle = create(181);
  clockAt(1);
  const double point = 2.0;
  ASSERT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 0);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, &point, 0), 0);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, nullptr, 5), 0);
  EXPECT_EQ(fileSize(), 6146u);
  clockAt(10);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, &point, -1), 0);
  EXPECT_EQ(fileSize(), 6146u + 8);
  EXPECT_EQ(closeAndVerify(handle).points, std::vector<double>{2.0});
}

TEST_F(SignalEncoding, AFullCacheIsFlushedBeforeItOverflows) {
  HGLOBAL handle = create(108);  // a 6146-byte cache
  clockAt(1);
  std::vector<LONG> points(3000);
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = i % 2 ? 1000000 : -1000000;  // 6-byte records
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points.data(), 3000), 0);
  EXPECT_GT(fileSize(), 6146u + 6000 * 2) << "forced flushes wrote most of the points";
  const dsupreader::SignalFile file = closeAndVerify(handle);
  EXPECT_EQ(file.points, std::vector<double>(points.begin(), points.end()));
}

}  // namespace
}  // namespace dsuptest
