// Long random recordings read back by the independent reader. Signal files of every type, point for
// point: batches of random sizes, random clock steps (timed flushes fall where they fall), forced
// flushes, start times and header writes in between. Spectra files, record for record: random
// kinds, codings, record sizes from none to the largest, value ranges with and without the escape,
// random clock steps, and snapshots in between, each a finished file of the records given so far.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <random>

#include "raw_file_test.h"

namespace dsuptest {
namespace {

using RoundTrip = RawFileTest;

TEST_F(RoundTrip, EveryTypeReadsBackEveryPointWithoutAViolation) {
  for (const LONG type : {108, 130, 179, 181}) {
    for (unsigned seed : {1u, 2u}) {
      SCOPED_TRACE(std::to_string(type) + " seed " + std::to_string(seed));
      std::mt19937 random(seed);
      const bool integers = type == 108 || type == 130;
      // A drifting signal with jumps and the type's extremes: for doubles no number, and values
      // beyond the 48-bit and the float range.
      const double extremes[] = {integers ? -2147483648.0 : std::nan(""), integers ? 2147483647.0 : 1e300,
                                 integers ? 0.0 : -1e300};
      double level = 0.0;
      auto next = [&] {
        const unsigned choice = random() % 100;
        if (choice < 3) return extremes[choice];
        level = std::clamp(level + (choice < 10 ? std::normal_distribution<double>(0.0, 1e6)(random)
                                                : double(random() % 80001) - 40000.0), -2e9, 2e9);
        return integers ? std::trunc(level) : level;
      };
      auto stored = [&](double value) {
        if (type != 181) return value;
        return std::isnan(value) ? 0.0 : std::clamp(std::floor(value), -140737488355328.0, 140737488355327.0);
      };
      SignalArguments arguments = argumentsFor(type);
      arguments.rateCode = type == 108 ? 1 : pointsPerSecond(250, 3);
      clockAt(0);
      HGLOBAL handle = create(arguments);
      std::vector<double> expected;
      std::int64_t now = 0;
      for (int round = 0; round <= 300; ++round) {
        const std::size_t sizeBefore = fileSize();
        const std::u16string text(random() % 140, u'x');
        const auto start = static_cast<LONG>(text.size() * 10);
        // The last call writes points, so that the last header refresh follows every start time.
        const unsigned action = round == 300 ? 0 : random() % 10;
        if (action < 6) {
          std::vector<double> values(1 + random() % 400);
          for (double& value : values) expected.push_back(stored(value = next()));
          ASSERT_EQ(write(handle, type, values), 0);
        } else if (action == 6) {
          ASSERT_EQ(DSupRwdWriteBarcode(handle, w(text)) | DSupRwdWriteInlet(handle, w(text)) |
                        DSupRwdWriteGLPInfo(handle, 1, 2, w(text), w(text), w(text)),
                    0);
        } else if (action < 9) {
          ASSERT_EQ(DSupRwdWriteStartTime(handle, integers ? start : std::bit_cast<LONG>(float(start))), 0);
        } else {
          ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
        }
        clockAt(now += random() % 13);
        // After an append the header describes the points that the file holds.
        if (fileSize() != sizeBefore) {
          ASSERT_EQ(readBack().violations, std::vector<std::string>{}) << round;
        }
      }
      const dsupreader::SignalFile file = closeAndVerify(handle);
      ASSERT_EQ(file.points.size(), expected.size());
      for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(std::bit_cast<std::uint64_t>(file.points[i]), std::bit_cast<std::uint64_t>(expected[i])) << i;
    }
  }
}

TEST_F(RoundTrip, EverySpectrumAndTheIndexReadBackWithoutAViolation) {
  std::filesystem::create_directory(temp.file("copy"));
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const WORD kind = static_cast<WORD>(random() % 4);
    clockAt(0);
    HGLOBAL handle = createSpectra(kind);
    std::int64_t now = 0;
    for (std::size_t n = 0; n < 700; ++n) {
      // Sizes: mostly small, some large, now and then the largest; steps small or beyond a difference.
      const unsigned sizeChoice = random() % 20;
      const std::size_t count = sizeChoice < 14 ? random() % 50 : sizeChoice < 19 ? random() % 4000 : 10918;
      const DWORD step = random() % 3 ? 40000 : 2147483647;
      std::vector<LONG> values(count);
      DWORD level = random();
      for (LONG& value : values) value = static_cast<LONG>(level += random() % (2 * step + 1) - step);
      ASSERT_EQ(record(handle, n, values, random() % 2 == 0), 0) << n;
      clockAt(now += random() % 4);
      if (random() % 50 == 0) {
        ASSERT_EQ(DSupRwdRawdataSnapshot(handle, w(temp.path16() + u"copy/")), 0);
        const dsupreader::SpectraFile copy = readSpectra("copy/RUN1.DAT");
        ASSERT_EQ(copy.violations, std::vector<std::string>{}) << n;
        expectRecords(copy, given, kind);
      }
    }
    closeAndVerifySpectra(handle);
  }
}

}  // namespace
}  // namespace dsuptest
