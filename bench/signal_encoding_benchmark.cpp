// The encoding alone: calls of DSupRwdWriteRawdata whose points fit the cache, so that no flush
// falls inside the timed region (the cache is flushed after it, untimed). Every file type with a
// slow and a noisy signal, against two baselines timed in the same run:
//   memcpy_ratio  encoding time / memcpy of the values each call was given (the bytes that an
//                 encoder must at least read);
//   plain_ratio   encoding time / the obvious per-point loop below, which produces the same bytes
//                 into a buffer (compared with the library's file before timing).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "signal_recording.h"
#include "sim/faults.h"

namespace {

using bench::Recording;
using bench::Signal;
using bench::SignalPoints;
using bench::takesIntegers;
using Clock = std::chrono::steady_clock;

constexpr std::size_t pointsPerCall = 100;
constexpr std::size_t callsPerRegion = 7;  // 700 points: even at 8 bytes a point they fit the smallest cache
constexpr std::size_t regionPoints = pointsPerCall * callsPerRegion;
constexpr int regionsPerFile = 500;  // a fresh file now and then keeps the disk use small
constexpr std::size_t signalHeaderSize = 6144;
constexpr std::size_t endMarkSize = 2;

// The obvious encoder: point by point as the file format describes its records, into a buffer
// that starts as a freshly flushed cache, keeping the same extremes and first value.
class PlainEncoder {
 public:
  explicit PlainEncoder(LONG fileType) : fileType_(fileType) {
    if (!takesIntegers(fileType)) smallest_ = largest_ = 0;  // 0.0f
  }

  void startCache() {
    fill_ = takesIntegers(fileType_) ? 2 : 0;
    blockOffset_ = 0;
    blockWord_ = 0x1000;
  }

  void encode(const void* values, std::size_t count) {
    const auto* integers = static_cast<const LONG*>(values);
    const auto* doubles = static_cast<const double*>(values);
    if (takesIntegers(fileType_))
      for (std::size_t i = 0; i < count; ++i) encodeInteger(integers[i]);
    else if (fileType_ == 179)
      for (std::size_t i = 0; i < count; ++i) encodeDouble(doubles[i]);
    else
      for (std::size_t i = 0; i < count; ++i) encodeInteger48(doubles[i]);
  }

  std::vector<std::uint8_t> bytes() const { return {cache_.begin(), cache_.begin() + fill_}; }

 private:
  void putBigEndian(std::uint64_t value, int size, std::size_t at) {
    for (int i = 0; i < size; ++i) cache_[at + i] = static_cast<std::uint8_t>(value >> (8 * (size - 1 - i)));
  }

  void firstValue(LONG value) {
    if (!firstSeen_) first_ = value;
    firstSeen_ = true;
  }

  void encodeInteger(LONG x) {
    if ((blockWord_ & 0xFFF) == 78) {
      blockOffset_ = fill_;
      fill_ += 2;
      blockWord_ = 0x1000;
    }
    firstValue(x);
    if (x > largest_) largest_ = x;
    if (x < smallest_) smallest_ = x;
    ++points_;
    putBigEndian(++blockWord_, 2, blockOffset_);
    const auto difference = static_cast<LONG>(static_cast<std::uint32_t>(x) - static_cast<std::uint32_t>(previous_));
    if (difference >= -32767 && difference <= 32767) {
      putBigEndian(static_cast<std::uint16_t>(difference), 2, fill_);
      fill_ += 2;
    } else {
      putBigEndian(0x8000, 2, fill_);
      putBigEndian(static_cast<std::uint32_t>(x), 4, fill_ + 2);
      fill_ += 6;
    }
    previous_ = x;
  }

  void encodeDouble(double v) {
    const auto f = static_cast<float>(v);
    firstValue(std::bit_cast<LONG>(f));
    if (f > std::bit_cast<float>(largest_)) largest_ = std::bit_cast<LONG>(f);
    if (f < std::bit_cast<float>(smallest_)) smallest_ = std::bit_cast<LONG>(f);
    ++points_;
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i) cache_[fill_ + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    fill_ += 8;
  }

  void encodeInteger48(double v) {
    ++points_;
    std::int64_t integer = 0;
    if (v >= 140737488355328.0)
      integer = 140737488355327;
    else if (v < -140737488355328.0)
      integer = -140737488355328;
    else if (!std::isnan(v))
      integer = static_cast<std::int64_t>(std::floor(v));
    putBigEndian(0x7FFF, 2, fill_);
    putBigEndian(static_cast<std::uint64_t>(integer), 6, fill_ + 2);
    fill_ += 8;
  }

  LONG fileType_;
  std::array<std::uint8_t, 6146> cache_{};
  std::size_t fill_ = 0, blockOffset_ = 0;
  std::uint16_t blockWord_ = 0x1000;
  LONG previous_ = 0, first_ = 0, smallest_ = 2147483647, largest_ = -2147483647;
  bool firstSeen_ = false;
  std::uint32_t points_ = 0;
};

void encodeRegion(PlainEncoder& encoder, const SignalPoints& points) {
  encoder.startCache();
  for (std::size_t call = 0; call < callsPerRegion; ++call) encoder.encode(points.at(call * pointsPerCall), pointsPerCall);
}

LONG writeRegion(HGLOBAL handle, const SignalPoints& points) {
  LONG status = 0;
  for (std::size_t call = 0; call < callsPerRegion; ++call)
    status |= DSupRwdWriteRawdata(handle, points.at(call * pointsPerCall), LONG{pointsPerCall});
  return status;
}

// The plain encoder's bytes for one region are those that the library appends for it.
bool plainBytesAreTheLibrarys(LONG fileType, const SignalPoints& points) {
  PlainEncoder encoder(fileType);
  encodeRegion(encoder, points);
  Recording recording(fileType);
  if (!recording.handle() || writeRegion(recording.handle(), points) != 0 || DSupRwdWriteCache(recording.handle(), 0) != 0)
    return false;
  std::ifstream file(recording.path(), std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  const std::size_t mark = fileType == 179 ? 0 : endMarkSize;
  return bytes.size() >= signalHeaderSize + mark &&
         std::vector<std::uint8_t>(bytes.begin() + signalHeaderSize, bytes.end() - mark) == encoder.bytes();
}

template <class Work>
double secondsFor(benchmark::IterationCount regions, Work work) {
  const auto start = Clock::now();
  for (benchmark::IterationCount i = 0; i < regions; ++i) work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void encodeAlone(benchmark::State& state, LONG fileType, Signal signal) {
  const SignalPoints points(fileType, signal, regionPoints);
  if (!plainBytesAreTheLibrarys(fileType, points)) {
    state.SkipWithError("the plain encoder's bytes differ from the library's");
    return;
  }
  Recording recording(fileType);
  double encodeSeconds = 0.0;
  int regions = 0;
  for (auto _ : state) {
    const std::uint64_t writesBefore = sim::operationCount(sim::Operation::fileWrite);
    const auto start = Clock::now();
    const LONG status = writeRegion(recording.handle(), points);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (status != 0 || sim::operationCount(sim::Operation::fileWrite) != writesBefore) {
      state.SkipWithError("a call failed or flushed");
      return;
    }
    state.SetIterationTime(seconds);
    encodeSeconds += seconds;
    DSupRwdWriteCache(recording.handle(), 0);
    bench::nextSecond();
    if (++regions == regionsPerFile) {
      recording.renew();
      regions = 0;
    }
  }

  std::vector<std::uint8_t> copy(regionPoints * points.valueSize());
  const double copySeconds = secondsFor(state.iterations(), [&] {
    for (std::size_t call = 0; call < callsPerRegion; ++call)
      std::memcpy(copy.data() + call * pointsPerCall * points.valueSize(), points.at(call * pointsPerCall),
                  pointsPerCall * points.valueSize());
    benchmark::ClobberMemory();
  });
  PlainEncoder encoder(fileType);
  const double plainSeconds = secondsFor(state.iterations(), [&] {
    encodeRegion(encoder, points);
    benchmark::DoNotOptimize(encoder);
    benchmark::ClobberMemory();
  });

  const double encoded = static_cast<double>(state.iterations()) * regionPoints;
  state.counters["points_per_s"] = benchmark::Counter(encoded, benchmark::Counter::kIsRate);
  state.counters["memcpy_ratio"] = encodeSeconds / copySeconds;
  state.counters["plain_ratio"] = encodeSeconds / plainSeconds;
}

BENCHMARK_CAPTURE(encodeAlone, type108_slow, 108, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodeAlone, type108_noisy, 108, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(encodeAlone, type130_slow, 130, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodeAlone, type130_noisy, 130, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(encodeAlone, type179_slow, 179, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodeAlone, type179_noisy, 179, Signal::noisy)->UseManualTime();
BENCHMARK_CAPTURE(encodeAlone, type181_slow, 181, Signal::slow)->UseManualTime();
BENCHMARK_CAPTURE(encodeAlone, type181_noisy, 181, Signal::noisy)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
