// The write cache: the time gate, the header refresh at each flush, appends over the end mark, what
// a failed refresh or a short append leaves behind, and a simulated hour of a 100-point-per-second
// LC run, appended to only at the timed flushes. (The reader checks every refreshed field that
// follows from the points at each append of the round trips.)
#include <gtest/gtest.h>

#include <cmath>

#include "raw_file_test.h"
#include "sim/faults.h"

namespace dsuptest {
namespace {

using WriteCache = RawFileTest;

// The refresh writes ten fields; the eleventh write of a flush is the append.
constexpr std::uint64_t appendWrite = 11;

TEST_F(WriteCache, EmptyCacheFlushWritesNothingAndKeepsTheTimeOfTheLastFlush) {
  HGLOBAL handle = create(130);
  clockAt(5);
  EXPECT_EQ(DSupRwdWriteCache(handle, 0), 0);
  clockAt(12);  // 12 seconds after creation, the last flush: the timed flush is due
  EXPECT_EQ(write(handle, 130, {7}), 0);
  EXPECT_EQ(fileSize(), 6146u + 4);
  closeAndVerify(handle);
}

TEST_F(WriteCache, TimeGateOpensWhenOldEnoughInTheSameSecondOrWithTheClockSetBack) {
  const struct {
    std::int64_t secondsAfterFlush;
    WORD maximumAge;
    bool writes;
  } gates[] = {{0, 10, true}, {5, 10, false}, {9, 10, false}, {10, 10, true}, {-3, 10, true}, {5, 0, true}, {3600, 65535, false}};
  for (const auto& gate : gates) {
    SCOPED_TRACE(gate.secondsAfterFlush);
    clockAt(100);
    HGLOBAL handle = create(108);
    clockAt(101);
    ASSERT_EQ(write(handle, 108, {1, 2, 3}), 0);
    ASSERT_EQ(fileSize(), 6146u) << "one second after the last flush the points wait";
    clockAt(100 + gate.secondsAfterFlush);
    EXPECT_EQ(DSupRwdWriteCache(handle, gate.maximumAge), 0);
    EXPECT_EQ(fileSize(), gate.writes ? 6146u + 8 : 6146u);
    closeAndVerify(handle);
  }
}

TEST_F(WriteCache, EveryCallInTheSecondOfAFlushFlushesAgain) {
  HGLOBAL handle = create(130);
  for (std::size_t call = 1; call <= 3; ++call) EXPECT_TRUE(write(handle, 130, {5}) == 0 && fileSize() == 6146 + 4 * call);
  closeAndVerify(handle);
}

TEST_F(WriteCache, EachFlushRefreshesTheHeaderAndAppendsANewBlockOverTheEndMark) {
  HGLOBAL handle = create(108);
  clockAt(1);
  ASSERT_EQ(DSupRwdWriteStartTime(handle, 1000), 0);
  ASSERT_EQ(write(handle, 108, {-5, 3, 2}), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  Bytes file = fileBytes();
  EXPECT_EQ(slice(file, 6144, 12), (Bytes{0x10, 0x03, 0xFF, 0xFB, 0x00, 0x08, 0xFF, 0xFF, 0x00, 0x00}));
  EXPECT_EQ(slice(file, 278, 28), (Bytes{0, 0, 0, 13, 0, 0, 0x03, 0xE8, 0, 0, 0x04, 0x4C,  // blocks, start 1000, end 1100
                                          0, 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFB, 0, 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFB}));
  ASSERT_EQ(write(handle, 108, {4, 4}), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  EXPECT_EQ(slice(fileBytes(), 6152, 10), (Bytes{0x10, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00}));
  closeAndVerify(handle);
}

TEST_F(WriteCache, BlockCountCountsTheFileBeforeTheAppend) {
  HGLOBAL handle = create(179);  // 6144 bytes: 12 blocks, though creation writes 13
  ASSERT_EQ(write(handle, 179, {1.0}), 0);
  EXPECT_EQ(slice(fileBytes(), 278, 4), (Bytes{0, 0, 0, 12}));
  ASSERT_EQ(write(handle, 179, {1.0}), 0);
  EXPECT_EQ(slice(fileBytes(), 278, 4), (Bytes{0, 0, 0, 13}));
  EXPECT_EQ(fileSize(), 6160u) << "8 bytes per point and no end mark";
  closeAndVerify(handle);
}

// The end time of points a whole number of milliseconds apart: EachFlushRefreshesTheHeader above.
TEST_F(WriteCache, EndTimeRoundsTheTimeOfTheLastPointToWholeMilliseconds) {
  SignalArguments arguments = argumentsFor(130);
  arguments.rateCode = pointsPerSecond(4000);
  HGLOBAL handle = create(arguments);
  ASSERT_EQ(DSupRwdWriteStartTime(handle, 1000), 0);
  ASSERT_EQ(write(handle, 130, std::vector<double>(11, 1.0)), 0);
  EXPECT_EQ(slice(fileBytes(), 286, 4), (Bytes{0x00, 0x00, 0x03, 0xEB})) << "1000 + 2.5 + 0.5 cut to 1003";
  closeAndVerify(handle);
}

TEST_F(WriteCache, FailedHeaderRefreshWritesNothingAndKeepsThePointsForTheNextFlush) {
  HGLOBAL handle = create(130);
  clockAt(1);
  ASSERT_EQ(write(handle, 130, {10, 20, 30}), 0);
  sim::failOperation(sim::Operation::fileRead);
  EXPECT_EQ(DSupRwdWriteCache(handle, 0), 1003);
  sim::failOperation(sim::Operation::fileWrite, 3);
  EXPECT_EQ(DSupRwdWriteCache(handle, 0), 1004);
  EXPECT_EQ(fileSize(), 6146u);
  EXPECT_EQ(closeAndVerify(handle).points, (std::vector<double>{10, 20, 30}));
}

TEST_F(WriteCache, ShortAppendCutsTheFileBackAndTheNextPointsDecodeRight) {
  const struct {
    LONG fileType;
    std::vector<double> before;  // none: the short append is the first one
  } cases[] = {{108, {90, 100}}, {130, {90, 100}}, {179, {90, 100}}, {181, {90, 100}}, {130, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileType);
    HGLOBAL handle = create(c.fileType);
    ASSERT_EQ(write(handle, c.fileType, c.before), 0);
    const Bytes before = fileBytes();
    sim::shortenWrite(appendWrite, 3);
    EXPECT_EQ(write(handle, c.fileType, {20000, 20000}), 1004);
    EXPECT_EQ(slice(fileBytes(), 6144, before.size()), slice(before, 6144, before.size())) << "old end, old end mark";
    EXPECT_TRUE(readBack().verified());
    // The difference base is the last value in the file, not the lost 20000.
    ASSERT_EQ(write(handle, c.fileType, {20010, 20020}), 0);
    std::vector<double> expected = c.before;
    expected.insert(expected.end(), {20010, 20020});
    const dsupreader::SignalFile file = closeAndVerify(handle);  // the first value is the first point's
    EXPECT_EQ(file.points, expected);
    if (c.before.empty()) {
      EXPECT_EQ(file.integer("minValueA"), 20010) << "a lost first append leaves no extreme";
    }
  }
}

TEST_F(WriteCache, ACountOfZeroWritesNoPointButFlushesAnAgedCache) {
  HGLOBAL handle = create(181);
  clockAt(1);
  ASSERT_EQ(write(handle, 181, {2.0}), 0);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, nullptr, 5), 0);
  EXPECT_EQ(fileSize(), 6146u);
  clockAt(10);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, nullptr, 0), 0);
  EXPECT_EQ(fileSize(), 6146u + 8);
  EXPECT_EQ(closeAndVerify(handle).points, std::vector<double>{2.0});
}

// The driver delivers 100 points once a second; the refresh writes ten fields, then the append.
TEST_F(WriteCache, AnHourAt100PointsPerSecondAppendsEvery10SecondsOnly) {
  HGLOBAL handle = create(130);
  std::vector<std::int64_t> appendTimes;
  std::vector<double> second(100);
  double value = 0;
  for (std::int64_t t = 1; t <= 3605; ++t) {
    clockAt(t);
    for (double& point : second) point = std::fmod(value++, 2000.0);  // a slowly changing signal
    const std::size_t size = fileSize();
    ASSERT_EQ(write(handle, 130, second), 0);
    if (fileSize() != size) appendTimes.push_back(t);
  }
  ASSERT_EQ(appendTimes.size(), 360u);
  for (std::size_t i = 0; i < appendTimes.size(); ++i) EXPECT_EQ(appendTimes[i], std::int64_t(10 * (i + 1)));
  EXPECT_EQ(sim::fileCounters(temp.file("RUN1.DAT")).writes, 1 + 360 * appendWrite);
  const dsupreader::SignalFile file = closeAndVerify(handle);  // the last 5 seconds go out at closing
  EXPECT_EQ(sim::fileCounters(temp.file("RUN1.DAT")).writes, 1 + 361 * appendWrite);
  EXPECT_EQ(file.points.size(), 360500u);
  EXPECT_EQ(file.integer("endTime"), 3604990);
}

}  // namespace
}  // namespace dsuptest
