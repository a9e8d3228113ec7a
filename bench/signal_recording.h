// What the signal benchmarks share: the slow and the noisy signal, and a signal file recorded as a
// driver records it, in a temporary directory of its own on the simulated clock.
#pragma once

#include <dsup.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

enum class Signal { slow, noisy };

constexpr bool takesIntegers(LONG fileType) { return fileType == 108 || fileType == 130; }

// The points of a signal as DSupRwdWriteRawdata takes them for a file type: LONGs for types 108
// and 130, doubles for the others. The values are whole numbers: a slow sine of amplitude 1000
// (differences of a few units) or uniform noise of ±10^6 (nearly every difference beyond 16 bits).
class SignalPoints {
 public:
  SignalPoints(LONG fileType, Signal signal, std::size_t count);
  const void* at(std::size_t index) const;
  std::size_t valueSize() const { return integers_.empty() ? sizeof(double) : sizeof(LONG); }
  std::size_t size() const { return doubles_.size(); }

 private:
  std::vector<double> doubles_;
  std::vector<LONG> integers_;  // empty for types that take doubles
};

// A driver's rate: 20 points a second (rate code 0 of type 108), for which every type gets the
// smallest cache (6146 bytes).
inline constexpr int pointsPerSecond = 20;

// A signal file of `fileType` at that rate. Creation sets the simulated calendar and advances it
// one second, so that the next timed flush waits for its 10 seconds.
class Recording {
 public:
  explicit Recording(LONG fileType);
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  HGLOBAL handle() const { return handle_; }
  const std::string& path() const { return path_; }  // as the platform's counters name it
  std::uintmax_t fileSize() const;
  // Closes the file; false when the close failed.
  bool close();
  // Closes the file and creates it again, empty: keeps the disk use of a long benchmark small.
  void renew();

 private:
  void create();

  LONG fileType_;
  std::string directory_;
  std::string path_;
  HGLOBAL handle_ = nullptr;
};

// Moves the simulated clock by one second: a forced flush is then no longer in the same second as
// the next call's timed flush, which would let that through.
void nextSecond();

}  // namespace bench
