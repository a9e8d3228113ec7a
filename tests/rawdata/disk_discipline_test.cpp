// A simulated hour of a 100-point-per-second LC run: the driver delivers 100 points once a second,
// and the file is appended to only at the timed flushes, once every 10 seconds.
#include <gtest/gtest.h>

#include <cmath>

#include "signal_file_test.h"
#include "sim/faults.h"

namespace dsuptest {
namespace {

using DiskDiscipline = SignalFileTest;

constexpr std::uint64_t writesPerFlush = 11;  // ten header fields, then the append

TEST_F(DiskDiscipline, AnHourAt100PointsPerSecondAppendsEvery10SecondsOnly) {
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
  EXPECT_EQ(sim::fileCounters(temp.file("RUN1.DAT")).writes, 1 + 360 * writesPerFlush);
  const dsupreader::SignalFile file = closeAndVerify(handle);  // the last 5 seconds go out at closing
  EXPECT_EQ(sim::fileCounters(temp.file("RUN1.DAT")).writes, 1 + 361 * writesPerFlush);
  EXPECT_EQ(file.points.size(), 360500u);
  EXPECT_EQ(file.integer("endTime"), 3604990);
}

}  // namespace
}  // namespace dsuptest
