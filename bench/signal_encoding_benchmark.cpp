// Points per second that DSupRwdWriteRawdata encodes, for each signal file type, with a slowly
// changing and with a noisy signal; and, in the same run, the time that memcpy takes for the same
// number of encoded bytes (memcpy_ratio = encoding time / copy time). The calls include the forced
// flushes of a full cache and the timed flushes, as a driver's calls do: the simulated clock moves
// one second per call of 1000 points, so a timed flush falls every 10 calls.
#include <benchmark/benchmark.h>
#include <dsup.h>
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "sim/clock.h"

namespace {

enum class Signal { slow, noisy };

constexpr LONG batchPoints = 1000;
constexpr int batchesPerFile = 200;  // a fresh file now and then keeps the disk use small
constexpr std::int64_t benchmarkEpoch = 1767225600;  // 2026-01-01
constexpr std::uint64_t millisecondsPerCall = 1000;

using Clock = std::chrono::steady_clock;

std::vector<double> signalValues(Signal signal) {
  std::vector<double> values(batchPoints);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> noise(-1e6, 1e6);
  for (LONG i = 0; i < batchPoints; ++i)
    values[static_cast<std::size_t>(i)] = signal == Signal::slow ? std::round(1000.0 * std::sin(i / 500.0)) : std::round(noise(random));
  return values;
}

class Recording {
 public:
  explicit Recording(LONG fileType) : fileType_(fileType) {
    std::string pattern = (std::filesystem::temp_directory_path() / "dsup-bench-XXXXXX").string();
    directory_ = std::string(::mkdtemp(pattern.data())) + "/";
    open();
  }
  ~Recording() {
    DSupRwdCloseRawdataFile(&handle_);
    std::filesystem::remove_all(directory_);
  }
  HGLOBAL handle() const { return handle_; }
  // Bytes the points took so far in this file: the data section on disk and in the cache.
  std::uint64_t encodedBytes() {
    DSupRwdWriteCache(handle_, 0);
    return std::filesystem::file_size(directory_ + "BENCH.DAT") - 6144;
  }
  void renew() {
    DSupRwdCloseRawdataFile(&handle_);
    open();
  }

 private:
  void open() {
    sim::setCalendarTime(benchmarkEpoch);
    const std::u16string directory(directory_.begin(), directory_.end());
    LONG status = 0;
    handle_ = DSupRwdCreateRawdataFile(u"", fileType_ == 108 ? 0 : (1u << 16 | 1000), u"", u"", 1.0, directory.c_str(),
                                       u"BENCH.DAT", u"", &status, fileType_, u"", u"", u"", u"", u"", 0, 0, 0);
    sim::advanceTime(millisecondsPerCall);
  }

  LONG fileType_;
  std::string directory_;
  HGLOBAL handle_ = nullptr;
};

void encodePoints(benchmark::State& state, LONG fileType, Signal signal) {
  const std::vector<double> doubles = signalValues(signal);
  const std::vector<LONG> integers(doubles.begin(), doubles.end());
  const void* values = fileType == 108 || fileType == 130 ? static_cast<const void*>(integers.data()) : doubles.data();
  Recording recording(fileType);
  double encodeSeconds = 0.0;
  std::uint64_t encodedBytes = 0;
  int batches = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    const LONG status = DSupRwdWriteRawdata(recording.handle(), values, batchPoints);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(seconds);
    encodeSeconds += seconds;
    sim::advanceTime(millisecondsPerCall);
    if (status != 0) state.SkipWithError("the points were not written");
    if (++batches == batchesPerFile) {
      encodedBytes += recording.encodedBytes();
      recording.renew();
      batches = 0;
    }
  }
  encodedBytes += recording.encodedBytes();

  // The baseline: copying the same bytes, batch by batch.
  const std::size_t bytesPerBatch = static_cast<std::size_t>(encodedBytes / state.iterations());
  std::vector<char> from(bytesPerBatch, 1), to(bytesPerBatch);
  const auto start = Clock::now();
  for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) {
    std::memcpy(to.data(), from.data(), bytesPerBatch);
    benchmark::ClobberMemory();
  }
  const double copySeconds = std::chrono::duration<double>(Clock::now() - start).count();

  const double points = static_cast<double>(state.iterations()) * batchPoints;
  state.counters["points_per_s"] = benchmark::Counter(points, benchmark::Counter::kIsRate);
  state.counters["bytes_per_point"] = static_cast<double>(encodedBytes) / points;
  state.counters["memcpy_ratio"] = encodeSeconds / copySeconds;
}

BENCHMARK_CAPTURE(encodePoints, type108_slow, 108, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodePoints, type108_noisy, 108, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(encodePoints, type130_slow, 130, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodePoints, type130_noisy, 130, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(encodePoints, type179_slow, 179, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodePoints, type179_noisy, 179, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(encodePoints, type181_slow, 181, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodePoints, type181_noisy, 181, Signal::noisy)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
