// A simulated hour of a 100-point-per-second LC run: the driver delivers 100 points once a second,
// and the file is appended to only at the timed flushes, once every 10 seconds.
#include <gtest/gtest.h>

#include <cmath>

#include "signal_file_test.h"
#include "sim/faults.h"

namespace dsuptest {
namespace {

using DiskDiscipline = SignalFileTest;

// The header refresh writes ten fields before each append.
constexpr std::uint64_t writesPerFlush = 11;

TEST_F(DiskDiscipline, AnHourAt100PointsPerSecondAppendsEvery10SecondsOnly) {
  HGLOBAL handle = create(130);
  std::vector<std::int64_t> appendTimes;
  std::vector<LONG> second(100);
  LONG value = 0;
  std::size_t size = fileSize();
  for (std::int64_t t = 1; t <= 3605; ++t) {
    clockAt(t);
    for (LONG& point : second) point = value++ % 2000;  // a slowly changing signal
    ASSERT_EQ(DSupRwdWriteRawdata(handle, second.data(), 100), 0);
    if (fileSize() != size) appendTimes.push_back(t);
    size = fileSize();
  }
  ASSERT_EQ(appendTimes.size(), 360u);
  for (std::size_t i = 0; i < appendTimes.size(); ++i) EXPECT_EQ(appendTimes[i], std::int64_t(10 * (i + 1)));
  const sim::FileCounters counters = sim::fileCounters(temp.file("RUN1.DAT"));
  EXPECT_EQ(counters.writes, 1 + 360 * writesPerFlush);

  const dsupreader::SignalFile file = closeAndVerify(handle);  // the last 5 seconds go out at closing
  EXPECT_EQ(sim::fileCounters(temp.file("RUN1.DAT")).writes, 1 + 361 * writesPerFlush);
  EXPECT_EQ(file.points.size(), 360500u);
  EXPECT_EQ(file.integer("endTime"), 3604990);
}

}  // namespace
}  // namespace dsuptest
