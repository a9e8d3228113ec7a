// The flush alone: DSupRwdWriteCache forced on a cache that holds 10 seconds of a driver's points,
// timed by itself, with the file operations of each flush as the platform layer counts them
// (writes_per_flush, reads_per_flush, and operations_per_flush: every counted operation, the
// context's lock included). The baseline, in the same run, is the least that a flush must do: one
// append of the same bytes at the end of a file (append_ratio = flush time / append time).
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "signal_recording.h"
#include "sim/faults.h"

namespace {

using bench::Recording;
using bench::Signal;
using bench::SignalPoints;
using Clock = std::chrono::steady_clock;

constexpr std::size_t pointsPerFlush = 10 * bench::pointsPerSecond;
constexpr int flushesPerFile = 1000;  // a fresh file now and then keeps the disk use small

// A plain file next to the recording, appended to as a flush appends its cache.
class AppendFile {
 public:
  explicit AppendFile(const std::string& path) {
    const std::u16string name(path.begin(), path.end());
    file_ = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ~AppendFile() { CloseHandle(file_); }
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;

  bool append(const std::vector<BYTE>& bytes) {
    SetFilePointer(file_, 0, nullptr, FILE_END);
    DWORD written = 0;
    return WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  }
  void empty() {
    SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
    SetEndOfFile(file_);
  }

 private:
  HANDLE file_;
};

void flushAlone(benchmark::State& state, LONG fileType, Signal signal) {
  const SignalPoints points(fileType, signal, pointsPerFlush);
  Recording recording(fileType);
  double flushSeconds = 0.0;
  std::uint64_t writes = 0, reads = 0, operations = 0, appendedBytes = 0;
  int flushes = 0;
  for (auto _ : state) {
    for (std::size_t second = 0; second < 10; ++second)
      DSupRwdWriteRawdata(recording.handle(), points.at(second * bench::pointsPerSecond), bench::pointsPerSecond);
    const std::uintmax_t sizeBefore = recording.fileSize();
    sim::resetCounters();
    const auto start = Clock::now();
    const LONG status = DSupRwdWriteCache(recording.handle(), 0);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (status != 0) {
      state.SkipWithError("the flush failed");
      return;
    }
    state.SetIterationTime(seconds);
    flushSeconds += seconds;
    writes += sim::operationCount(sim::Operation::fileWrite);
    reads += sim::operationCount(sim::Operation::fileRead);
    operations += sim::operationCount();
    appendedBytes += recording.fileSize() - sizeBefore;
    bench::nextSecond();
    if (++flushes == flushesPerFile) {
      recording.renew();
      flushes = 0;
    }
  }

  // The flush writes its bytes over the old end mark: an append of the cache as it was flushed.
  const auto flushCount = static_cast<double>(state.iterations());
  const std::vector<BYTE> cache(static_cast<std::size_t>(static_cast<double>(appendedBytes) / flushCount) +
                                (fileType == 179 ? 0 : 2));
  AppendFile file(recording.path() + ".append");
  bool appended = true;
  const auto start = Clock::now();
  for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) {
    appended = file.append(cache) && appended;
    if ((i + 1) % flushesPerFile == 0) file.empty();
  }
  const double appendSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!appended) state.SkipWithError("the baseline's append failed");

  state.counters["writes_per_flush"] = static_cast<double>(writes) / flushCount;
  state.counters["reads_per_flush"] = static_cast<double>(reads) / flushCount;
  state.counters["operations_per_flush"] = static_cast<double>(operations) / flushCount;
  state.counters["bytes_per_flush"] = static_cast<double>(appendedBytes) / flushCount;
  state.counters["append_ratio"] = flushSeconds / appendSeconds;
}

BENCHMARK_CAPTURE(flushAlone, type108_slow, 108, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(flushAlone, type108_noisy, 108, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(flushAlone, type130_slow, 130, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(flushAlone, type130_noisy, 130, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(flushAlone, type179_slow, 179, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(flushAlone, type179_noisy, 179, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(flushAlone, type181_slow, 181, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(flushAlone, type181_noisy, 181, Signal::noisy)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
