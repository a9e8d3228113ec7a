// The write cache: the time gate, the header refresh at each flush, appends over the end mark, and
// what a failed refresh or a short append leaves behind.
#include <gtest/gtest.h>

#include "signal_file_test.h"
#include "sim/faults.h"

namespace dsuptest {
namespace {

using WriteCache = SignalFileTest;

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
  EXPECT_EQ(slice(file, 4104, 1), Bytes{1});
  EXPECT_EQ(slice(file, 4110, 12), (Bytes{0xFF, 0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF, 0xFB, 0, 0, 0, 3}));
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

TEST_F(WriteCache, EndTimeIsTheTimeOfTheLastPoint) {
  const struct {
    LONG fileType;
    DWORD rateCode;
    LONG startTime;
    std::size_t points;
    Bytes endTime;
  } cases[] = {{108, 0, 1000, 1, {0x00, 0x00, 0x03, 0xE8}},
               {130, pointsPerSecond(4000), 1000, 11, {0x00, 0x00, 0x03, 0xEB}},  // 2.5 + 0.5 cut to 3
               {179, pointsPerSecond(5, 2), 0x3F000000, 3, {0x44, 0x48, 0x20, 0x00}},  // 0.5 + 800 as floats
               {181, pointsPerSecond(100), 0x3F000000, 1, {0x3F, 0x00, 0x00, 0x00}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileType);
    SignalArguments arguments = argumentsFor(c.fileType);
    arguments.rateCode = c.rateCode;
    HGLOBAL handle = create(arguments);
    ASSERT_EQ(DSupRwdWriteStartTime(handle, c.startTime), 0);
    ASSERT_EQ(write(handle, c.fileType, std::vector<double>(c.points, 1.0)), 0);
    EXPECT_EQ(slice(fileBytes(), 286, 4), c.endTime);
    closeAndVerify(handle);
  }
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
  for (LONG type : {108, 130, 179, 181}) {
    SCOPED_TRACE(type);
    HGLOBAL handle = create(type);
    ASSERT_EQ(write(handle, type, {90, 100}), 0);
    const Bytes before = fileBytes();
    sim::shortenWrite(appendWrite, 3);
    EXPECT_EQ(write(handle, type, {20000, 20000}), 1004);
    EXPECT_EQ(slice(fileBytes(), 6144, before.size()), slice(before, 6144, before.size())) << "old end, old end mark";
    EXPECT_TRUE(readBack().verified());
    // The difference base is the last value in the file, not the lost 20000.
    ASSERT_EQ(write(handle, type, {20010, 20020}), 0);
    EXPECT_EQ(closeAndVerify(handle).points, (std::vector<double>{90, 100, 20010, 20020}));
  }
}

TEST_F(WriteCache, ShortFirstAppendForgetsTheFirstValue) {
  HGLOBAL handle = create(130);
  sim::shortenWrite(appendWrite, 1);
  EXPECT_EQ(write(handle, 130, {-400, 400}), 1004);
  EXPECT_EQ(fileSize(), 6146u);
  ASSERT_EQ(write(handle, 130, {5, 6}), 0);
  const dsupreader::SignalFile file = closeAndVerify(handle);
  EXPECT_EQ(file.integer("firstValueField"), 5);
  EXPECT_EQ(file.integer("minValueA"), 5);
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

}  // namespace
}  // namespace dsuptest
