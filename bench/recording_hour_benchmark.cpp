// A simulated hour of a driver: one call of DSupRwdWriteRawdata a second with 20 points, 3600
// calls, then the close. The write gate lets one flush through every 10 seconds, so the file sees
// 360 appends, each behind its header refresh. Counted by the platform layer: appends (the calls
// and the close after which the file is longer), header_writes (every other write), and the bytes
// written per point; written_to_data_ratio relates the bytes written to the bytes that the points
// take in the file. The time is that of the whole hour, flushes included.
#include <benchmark/benchmark.h>

#include <chrono>

#include "signal_recording.h"
#include "sim/faults.h"

namespace {

using bench::Recording;
using bench::Signal;
using bench::SignalPoints;
using Clock = std::chrono::steady_clock;

constexpr std::size_t callsPerHour = 3600;
constexpr std::size_t pointsPerHour = callsPerHour * bench::pointsPerSecond;

struct Hour {
  std::uint64_t appends = 0, writes = 0, bytesWritten = 0, dataBytes = 0;
  double seconds = 0.0;
  bool failed = false;
};

Hour recordHour(LONG fileType, const SignalPoints& points) {
  Hour hour;
  Recording recording(fileType);
  const std::uintmax_t created = recording.fileSize();
  std::uintmax_t size = created;
  auto countAppend = [&] {
    const std::uintmax_t now = recording.fileSize();
    if (now != size) ++hour.appends;
    size = now;
  };
  sim::resetCounters();
  for (std::size_t call = 0; call < callsPerHour; ++call) {
    const auto start = Clock::now();
    hour.failed |= DSupRwdWriteRawdata(recording.handle(), points.at(call * bench::pointsPerSecond),
                                       bench::pointsPerSecond) != 0;
    hour.seconds += std::chrono::duration<double>(Clock::now() - start).count();
    countAppend();
    bench::nextSecond();
  }
  const auto start = Clock::now();
  hour.failed |= !recording.close();
  hour.seconds += std::chrono::duration<double>(Clock::now() - start).count();
  countAppend();
  const sim::FileCounters counters = sim::fileCounters(recording.path());
  hour.writes = counters.writes;
  hour.bytesWritten = counters.bytesWritten;
  // The end mark closes the data of every type but 179.
  hour.dataBytes = size - created + (fileType == 179 ? 0 : 2);
  return hour;
}

void recordingHour(benchmark::State& state, LONG fileType, Signal signal) {
  const SignalPoints points(fileType, signal, pointsPerHour);
  Hour total;
  for (auto _ : state) {
    const Hour hour = recordHour(fileType, points);
    if (hour.failed) {
      state.SkipWithError("a call or the close failed");
      return;
    }
    state.SetIterationTime(hour.seconds);
    total.appends += hour.appends;
    total.writes += hour.writes;
    total.bytesWritten += hour.bytesWritten;
    total.dataBytes += hour.dataBytes;
  }
  const auto hours = static_cast<double>(state.iterations());
  state.counters["appends"] = static_cast<double>(total.appends) / hours;
  state.counters["header_writes"] = static_cast<double>(total.writes - total.appends) / hours;
  state.counters["bytes_written_per_point"] = static_cast<double>(total.bytesWritten) / (hours * pointsPerHour);
  state.counters["data_bytes_per_point"] = static_cast<double>(total.dataBytes) / (hours * pointsPerHour);
  state.counters["written_to_data_ratio"] = static_cast<double>(total.bytesWritten) / static_cast<double>(total.dataBytes);
}

BENCHMARK_CAPTURE(recordingHour, type108_slow, 108, Signal::slow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordingHour, type108_noisy, 108, Signal::noisy)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordingHour, type130_slow, 130, Signal::slow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordingHour, type130_noisy, 130, Signal::noisy)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordingHour, type179_slow, 179, Signal::slow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordingHour, type179_noisy, 179, Signal::noisy)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordingHour, type181_slow, 181, Signal::slow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordingHour, type181_noisy, 181, Signal::noisy)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
