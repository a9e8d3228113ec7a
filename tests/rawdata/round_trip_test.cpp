// Long random recordings of every type, read back point for point by the independent reader:
// batches of random sizes, random clock steps (so timed flushes fall where they fall), forced
// flushes, start times and header writes in between.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "signal_file_test.h"

namespace dsuptest {
namespace {

struct RoundTripCase {
  LONG fileType;
  unsigned seed;
};

class RoundTrip : public SignalFileTest, public ::testing::WithParamInterface<RoundTripCase> {
 protected:
  bool integers() const { return GetParam().fileType == 108 || GetParam().fileType == 130; }

  // A slowly drifting signal with jumps, extremes and (for doubles) values that are no number.
  double nextValue() {
    std::uniform_int_distribution<int> pick(0, 99);
    const int choice = pick(random_);
    if (integers()) {
      if (choice == 0) return std::numeric_limits<LONG>::min();
      if (choice == 1) return std::numeric_limits<LONG>::max();
      level_ = choice < 10 ? std::uniform_int_distribution<LONG>(-3000000, 3000000)(random_)
                           : std::clamp(level_ + std::uniform_int_distribution<int>(-40000, 40000)(random_), -2e9, 2e9);
      return std::trunc(level_);
    }
    if (choice == 0) return std::nan("");
    if (choice == 1) return 1e300;
    if (choice == 2) return -1e300;
    level_ += std::normal_distribution<double>(0.0, 1e4)(random_);
    return level_;
  }

  // What the file holds for a written value.
  double stored(double value) const {
    if (GetParam().fileType != 181) return value;
    if (std::isnan(value)) return 0.0;
    return std::clamp(std::floor(value), -140737488355328.0, 140737488355327.0);
  }

  LONG write(const std::vector<double>& values) {
    const std::vector<LONG> longs(values.begin(), values.end());
    return DSupRwdWriteRawdata(handle_, integers() ? static_cast<const void*>(longs.data()) : values.data(),
                               static_cast<LONG>(values.size()));
  }

  void writeHeaderField(int which) {
    const std::u16string text(std::uniform_int_distribution<std::size_t>(0, 140)(random_), u'x');
    switch (which) {
      case 0: ASSERT_EQ(DSupRwdWriteBarcode(handle_, text.c_str()), 0); break;
      case 1: ASSERT_EQ(DSupRwdWriteInlet(handle_, text.c_str()), 0); break;
      case 2: ASSERT_EQ(DSupRwdWriteGLPInfo(handle_, which, 1, text.c_str(), text.c_str(), text.c_str()), 0); break;
      case 3: ASSERT_EQ(DSupRwdWriteBottleNumber(handle_, static_cast<WORD>(text.size())), 0); break;
      default: {
        const auto start = static_cast<LONG>(text.size() * 10);
        ASSERT_EQ(DSupRwdWriteStartTime(handle_, integers() ? start : std::bit_cast<LONG>(static_cast<float>(start))), 0);
      }
    }
  }

  std::mt19937 random_{GetParam().seed};
  double level_ = 0.0;
  HGLOBAL handle_ = nullptr;
};

TEST_P(RoundTrip, ReadsBackEveryPointWithoutAViolation) {
  SignalArguments arguments = argumentsFor(GetParam().fileType);
  arguments.rateCode = GetParam().fileType == 108 ? 1 : pointsPerSecond(250, 3);
  handle_ = create(arguments);
  ASSERT_NE(handle_, nullptr);
  std::vector<double> expected;
  std::int64_t now = 0;
  std::uniform_int_distribution<int> action(0, 9), batch(0, 400), step(0, 12);
  for (int round = 0; round < 300; ++round) {
    const std::size_t sizeBefore = fileSize();
    const int what = action(random_);
    if (what < 6) {
      std::vector<double> values(static_cast<std::size_t>(batch(random_)));
      for (double& value : values) value = nextValue();
      ASSERT_EQ(write(values), 0);
      for (double value : values) expected.push_back(stored(value));
    } else if (what < 8) {
      writeHeaderField(what == 6 ? static_cast<int>(random_() % 5) : 4);
    } else if (what == 8) {
      ASSERT_EQ(DSupRwdWriteCache(handle_, 0), 0);
    }
    clockAt(now += step(random_));
    // After an append the header describes the points that the file holds.
    if (fileSize() != sizeBefore) {
      ASSERT_TRUE(readBack().verified()) << "round " << round;
    }
  }
  // The last action writes a point, so that the last refresh follows every start time.
  const double last = nextValue();
  ASSERT_EQ(write({last}), 0);
  expected.push_back(stored(last));
  const dsupreader::SignalFile file = closeAndVerify(handle_);
  ASSERT_EQ(file.points.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    ASSERT_EQ(std::bit_cast<std::uint64_t>(file.points[i]), std::bit_cast<std::uint64_t>(expected[i])) << "point " << i;
}

INSTANTIATE_TEST_SUITE_P(SignalFile, RoundTrip,
                         ::testing::Values(RoundTripCase{108, 1}, RoundTripCase{108, 2}, RoundTripCase{130, 3},
                                           RoundTripCase{130, 4}, RoundTripCase{179, 5}, RoundTripCase{179, 6},
                                           RoundTripCase{181, 7}, RoundTripCase{181, 8}));

}  // namespace
}  // namespace dsuptest
