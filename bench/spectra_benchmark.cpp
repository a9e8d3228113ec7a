// Spectra per second that DSupRwdWriteSpectrumRecord records: 10,000 and then 100,000 spectra of
// 1,000 values each, in the same run, 10 spectra a second on the simulated clock (so the timed
// flush and the cache's size limit both write the file). The time must grow linearly with the
// number of spectra (ratio_100k_to_10k near 10) while memory stays bounded: the index block never
// reaches 2048 bytes (index_block_peak) and its entries go to the side file once per 203 records
// (side_file_appends).
#include <benchmark/benchmark.h>
#include <dsup.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "rawdata/file_context.h"
#include "sim/clock.h"
#include "sim/faults.h"

namespace {

constexpr std::size_t valuesPerSpectrum = 1000;
constexpr std::uint64_t millisecondsPerSpectrum = 100;
constexpr std::int64_t benchmarkEpoch = 1767225600;  // 2026-01-01
constexpr WORD spectrumKind = 1;

using Clock = std::chrono::steady_clock;

struct Run {
  double seconds = 0.0;
  SIZE_T indexBlockPeak = 0;
  std::uint64_t sideFileAppends = 0;
};

template <std::size_t units>
void put(WCHAR (&field)[units], const std::string& text) {
  const std::size_t length = std::min(text.size(), units - 1);
  std::copy_n(text.begin(), length, field);
  field[length] = 0;
}

// An absorption spectrum: a smooth band, so that nearly every value is a 2-byte difference.
std::vector<LONG> spectrumValues(std::size_t n) {
  std::vector<LONG> values(valuesPerSpectrum);
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = static_cast<LONG>(std::lround(50000.0 * std::exp(-std::pow((double(i) - 400.0 - double(n % 50)) / 120.0, 2))));
  return values;
}

SIZE_T indexBlockSize(HGLOBAL handle) {
  const SIZE_T size = GlobalSize(static_cast<RwdFileContext*>(GlobalLock(handle))->indexMemory);
  GlobalUnlock(handle);
  return size;
}

Run recordSpectra(std::size_t spectra) {
  std::string pattern = (std::filesystem::temp_directory_path() / "dsup-bench-XXXXXX").string();
  const std::string directory = std::string(::mkdtemp(pattern.data())) + "/";
  RwdHeaderParameters parameters{};
  parameters.spectrumKind = spectrumKind;
  put(parameters.directory, directory);
  put(parameters.sideFileDirectory, directory);
  put(parameters.fileName, "BENCH.DAT");
  sim::setCalendarTime(benchmarkEpoch);
  sim::resetCounters();
  HGLOBAL handle = DSupRwdCreateSpectraFile(&parameters);

  const std::vector<std::vector<LONG>> shapes = [] {
    std::vector<std::vector<LONG>> all;
    for (std::size_t n = 0; n < 50; ++n) all.push_back(spectrumValues(n));
    return all;
  }();
  Run run;
  bool failed = handle == nullptr;
  for (std::size_t n = 0; n < spectra && !failed; ++n) {
    RwdSpectrumDescriptor descriptor{};
    descriptor.value = static_cast<LONG>(n);
    descriptor.fields[3] = static_cast<WORD>(n);
    const std::vector<LONG>& values = shapes[n % shapes.size()];
    const auto start = Clock::now();
    failed = DSupRwdWriteSpectrumRecord(&handle, &descriptor, values.data(), LONG(values.size()), TRUE) != 0;
    run.seconds += std::chrono::duration<double>(Clock::now() - start).count();
    run.indexBlockPeak = std::max(run.indexBlockPeak, indexBlockSize(handle));
    sim::advanceTime(millisecondsPerSpectrum);
  }
  const auto start = Clock::now();
  failed = DSupRwdCloseRawdataFile(&handle) != 0 || failed;
  run.seconds += std::chrono::duration<double>(Clock::now() - start).count();
  run.sideFileAppends = sim::fileCounters(directory + "BENCH.tmp").writes;
  std::filesystem::remove_all(directory);
  if (failed) run.seconds = 0.0;
  return run;
}

void recordSpectraLinearly(benchmark::State& state) {
  for (auto _ : state) {
    recordSpectra(1000);  // warms the caches up, so that the first run is not the slower for it
    const Run small = recordSpectra(10000);
    const Run large = recordSpectra(100000);
    if (small.seconds == 0.0 || large.seconds == 0.0) {
      state.SkipWithError("a spectrum was not recorded");
      return;
    }
    state.SetIterationTime(large.seconds);
    state.counters["spectra_per_s_10k"] = 10000 / small.seconds;
    state.counters["spectra_per_s_100k"] = 100000 / large.seconds;
    state.counters["ratio_100k_to_10k"] = large.seconds / small.seconds;
    state.counters["index_block_peak"] = static_cast<double>(std::max(small.indexBlockPeak, large.indexBlockPeak));
    state.counters["side_file_appends"] = static_cast<double>(large.sideFileAppends);
  }
}

}  // namespace

BENCHMARK(recordSpectraLinearly)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
