// The write cache: the time gate, the header refresh at each flush, appends over the end mark, and
// what a failed refresh or a short append leaves behind.
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "signal_file_test.h"
#include "sim/faults.h"

namespace dsuptest {
namespace {

using WriteCache = SignalFileTest;

TEST_F(WriteCache, EmptyCacheFlushWritesNothingAndKeepsTheTimeOfTheLastFlush) {
  HGLOBAL handle = create(130);
  clockAt(5);
  EXPECT_EQ(DSupRwdWriteCache(handle, 0), 0);
  EXPECT_EQ(fileSize(), 6146u);
  clockAt(12);  // 12 seconds after creation, the last flush: the timed flush is due
  const LONG point = 7;
  EXPECT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 0);
  EXPECT_EQ(fileSize(), 6146u + 4);
  closeAndVerify(handle);
}

struct GateCase {
  std::int64_t secondsAfterFlush;
  WORD maximumAge;
  bool writes;
};

class TimeGate : public SignalFileTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(TimeGate, LetsTheFlushThroughWhenOldEnoughInTheSameSecondOrWithTheClockSetBack) {
  clockAt(100);
  HGLOBAL handle = create(108);
  clockAt(101);
  const LONG points[] = {1, 2, 3};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 3), 0);
  ASSERT_EQ(fileSize(), 6146u) << "one second after the last flush the points wait";
  clockAt(100 + GetParam().secondsAfterFlush);
  EXPECT_EQ(DSupRwdWriteCache(handle, GetParam().maximumAge), 0);
  EXPECT_EQ(fileSize(), GetParam().writes ? 6146u + 8 : 6146u);
  closeAndVerify(handle);
}

INSTANTIATE_TEST_SUITE_P(WriteCache, TimeGate,
                         ::testing::Values(GateCase{0, 10, true}, GateCase{5, 10, false}, GateCase{9, 10, false},
                                           GateCase{10, 10, true}, GateCase{-3, 10, true}, GateCase{5, 0, true},
                                           GateCase{3600, 65535, false}));

TEST_F(WriteCache, EveryCallInTheSecondOfAFlushFlushesAgain) {
  HGLOBAL handle = create(130);
  const LONG point = 5;
  for (std::size_t call = 1; call <= 3; ++call) {
    EXPECT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 0);
    EXPECT_EQ(fileSize(), 6146u + 4 * call) << "block header and one difference per call";
  }
  closeAndVerify(handle);
}

TEST_F(WriteCache, FirstFlushOfType108AppendsOverTheEndMarkAndRefreshesTheHeader) {
  HGLOBAL handle = create(108);
  clockAt(1);
  ASSERT_EQ(DSupRwdWriteStartTime(handle, 1000), 0);
  const LONG points[] = {-5, 3, 2};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 3), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  Bytes file = fileBytes();
  EXPECT_EQ(slice(file, 6144, 12), (Bytes{0x10, 0x03, 0xFF, 0xFB, 0x00, 0x08, 0xFF, 0xFF, 0x00, 0x00}));
  EXPECT_EQ(file.size(), 6154u);
  EXPECT_EQ(slice(file, 278, 28), (Bytes{0, 0, 0, 13,                            // blocks of 6146 bytes
                                          0, 0, 0x03, 0xE8, 0, 0, 0x04, 0x4C,       // start 1000, end 1100
                                          0, 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFB,      // max A, min A
                                          0, 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFB}));   // max B, min B
  EXPECT_EQ(slice(file, 4104, 1), Bytes{1});
  EXPECT_EQ(slice(file, 4110, 12), (Bytes{0xFF, 0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF, 0xFB, 0, 0, 0, 3}));

  const LONG more[] = {4, 4};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, more, 2), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  file = fileBytes();
  EXPECT_EQ(slice(file, 6152, 10), (Bytes{0x10, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00}))
      << "the second flush starts a new block over the old end mark";
  closeAndVerify(handle);
}

TEST_F(WriteCache, BlockCountCountsTheFileBeforeTheAppend) {
  HGLOBAL handle = create(179);  // 6144 bytes: 12 blocks, though creation writes 13
  const double point = 1.0;
  ASSERT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 0);
  EXPECT_EQ(fileSize(), 6152u);
  EXPECT_EQ(slice(fileBytes(), 278, 4), (Bytes{0, 0, 0, 12}));
  ASSERT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 0);
  EXPECT_EQ(slice(fileBytes(), 278, 4), (Bytes{0, 0, 0, 13}));
  EXPECT_EQ(fileSize(), 6160u) << "8 bytes per point and no end mark";
  closeAndVerify(handle);
}

struct EndTimeCase {
  LONG fileType;
  DWORD rateCode;
  LONG startTime;
  int points;
  Bytes endTime;
};

class EndTime : public SignalFileTest, public ::testing::WithParamInterface<EndTimeCase> {};

TEST_P(EndTime, IsTheTimeOfTheLastPoint) {
  SignalArguments arguments = argumentsFor(GetParam().fileType);
  arguments.rateCode = GetParam().rateCode;
  HGLOBAL handle = create(arguments);
  ASSERT_EQ(DSupRwdWriteStartTime(handle, GetParam().startTime), 0);
  const std::vector<LONG> integers(static_cast<std::size_t>(GetParam().points), 1);
  const std::vector<double> doubles(integers.size(), 1.0);
  const bool floats = GetParam().fileType == 179 || GetParam().fileType == 181;
  ASSERT_EQ(DSupRwdWriteRawdata(handle, floats ? static_cast<const void*>(doubles.data()) : integers.data(),
                                GetParam().points),
            0);
  EXPECT_EQ(slice(fileBytes(), 286, 4), GetParam().endTime);
  closeAndVerify(handle);
}

INSTANTIATE_TEST_SUITE_P(
    WriteCache, EndTime,
    ::testing::Values(EndTimeCase{108, 0, 1000, 1, {0x00, 0x00, 0x03, 0xE8}},
                      // 10 intervals of 0.25 ms: 2.5 + 0.5 cut to 3.
                      EndTimeCase{130, pointsPerSecond(4000), 1000, 11, {0x00, 0x00, 0x03, 0xEB}},
                      // 0.5 ms + 2 × 400 ms as floats: 800.5.
                      EndTimeCase{179, pointsPerSecond(5, 2), 0x3F000000, 3, {0x44, 0x48, 0x20, 0x00}},
                      EndTimeCase{181, pointsPerSecond(100), 0x3F000000, 1, {0x3F, 0x00, 0x00, 0x00}}));

TEST_F(WriteCache, FailedHeaderRefreshWritesNothingAndKeepsThePointsForTheNextFlush) {
  HGLOBAL handle = create(130);
  clockAt(1);
  const LONG points[] = {10, 20, 30};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 3), 0);
  sim::failOperation(sim::Operation::fileRead);
  EXPECT_EQ(DSupRwdWriteCache(handle, 0), 1003);
  sim::failOperation(sim::Operation::fileWrite, 3);
  EXPECT_EQ(DSupRwdWriteCache(handle, 0), 1004);
  EXPECT_EQ(fileSize(), 6146u);
  EXPECT_EQ(closeAndVerify(handle).points, (std::vector<double>{10, 20, 30}));
}

// The refresh writes ten fields; the eleventh write is the append.
constexpr std::uint64_t appendWrite = 11;

class ShortAppend : public SignalFileTest, public ::testing::WithParamInterface<LONG> {};

TEST_P(ShortAppend, CutsTheFileBackLosesItsPointsAndDecodesTheNextOnesRight) {
  HGLOBAL handle = create(GetParam());
  const bool integers = GetParam() == 108 || GetParam() == 130;
  auto write = [&](std::vector<double> values) {
    const std::vector<LONG> longs(values.begin(), values.end());
    return DSupRwdWriteRawdata(handle, integers ? static_cast<const void*>(longs.data()) : values.data(),
                               static_cast<LONG>(values.size()));
  };
  ASSERT_EQ(write({90, 100}), 0);
  const Bytes before = fileBytes();
  sim::shortenWrite(appendWrite, 3);
  EXPECT_EQ(write({20000, 20000}), 1004);
  EXPECT_EQ(fileBytes().size(), before.size());
  EXPECT_EQ(slice(fileBytes(), 6144, before.size() - 6144), slice(before, 6144, before.size() - 6144));
  EXPECT_TRUE(readBack().verified());
  ASSERT_EQ(write({20010, 20020}), 0);
  const dsupreader::SignalFile file = closeAndVerify(handle);
  EXPECT_EQ(file.points, (std::vector<double>{90, 100, 20010, 20020}));
}

INSTANTIATE_TEST_SUITE_P(WriteCache, ShortAppend, ::testing::Values(108, 130, 179, 181));

TEST_F(WriteCache, ShortFirstAppendForgetsTheFirstValue) {
  HGLOBAL handle = create(130);
  const LONG lost[] = {-400, 400};
  sim::shortenWrite(appendWrite, 1);
  EXPECT_EQ(DSupRwdWriteRawdata(handle, lost, 2), 1004);
  EXPECT_EQ(fileSize(), 6146u);
  const LONG kept[] = {5, 6};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, kept, 2), 0);
  const dsupreader::SignalFile file = closeAndVerify(handle);
  EXPECT_EQ(file.integer("firstValueField"), 5);
  EXPECT_EQ(file.integer("minValueA"), 5);
}

}  // namespace
}  // namespace dsuptest
