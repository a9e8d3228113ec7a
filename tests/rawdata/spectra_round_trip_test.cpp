// Long random recordings of spectra, read back record for record by the independent reader: random
// kinds, codings, record sizes from none to thousands of values, value ranges with and without the
// escape, random clock steps (timed and forced flushes fall where they fall), and snapshots in
// between, each of which must be a finished file of the records given so far.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "spectra_file_test.h"

namespace dsuptest {
namespace {

using SpectraRoundTrip = SpectraFileTest;

TEST_F(SpectraRoundTrip, EveryRecordAndTheIndexReadBackWithoutAViolation) {
  std::filesystem::create_directory(temp.file("copy"));
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const WORD kind = static_cast<WORD>(random() % 4);
    given.clear();
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
        const dsupreader::SpectraFile copy = dsupreader::readSpectraFile(readHostFile(temp.file("copy/RUN1.DAT")));
        ASSERT_EQ(copy.violations, std::vector<std::string>{}) << n;
        expectRecords(copy, given, kind);
      }
    }
    closeAndVerifySpectra(handle);
  }
}

}  // namespace
}  // namespace dsuptest
