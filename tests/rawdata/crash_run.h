// The run that the crash test's child records and the test checks: the same points, batches and
// records from the same seed on both sides, and the reports through which the child says what
// reached the file.
#pragma once

#include <dsup.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace dsupcrash {

// The child's file in the directory it is given, and the spectra kind it records.
inline constexpr char fileName[] = "RUN.DAT";
inline constexpr WORD spectrumKind = 1;

// 20 points per second for type 108 (code 0), 100 for the others: 50 and 10 milliseconds apart.
inline DWORD rateCodeOf(LONG fileType) { return fileType == 108 ? 0 : (DWORD{1} << 16 | 100); }
inline float intervalOf(LONG fileType) { return fileType == 108 ? 50.0f : 10.0f; }

// The child closes its file after this many points or records, if it lives that long.
inline constexpr std::uint64_t pointsPerRun = 5000000;
inline constexpr std::uint64_t recordsPerRun = 200000;

// Written by the child to its standard output after creation (count 0) and after every flush that
// it forced and that succeeded: `count` points or records are then in the file, which is
// `fileLength` bytes long. The last report of a run that ended by itself has `closed` set.
struct FlushReport {
  std::uint64_t count = 0;
  std::uint64_t fileLength = 0;
  std::uint64_t closed = 0;
};

inline std::uint64_t mixed(std::uint64_t seed, std::uint64_t n) {
  std::uint64_t z = seed + (n + 1) * 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// Point i as the driver gives it: small steps with a jump now and then for the integer types, any
// fraction for type 179, values beyond 32 bits for type 181.
inline double pointOf(LONG fileType, std::uint64_t seed, std::uint64_t i) {
  const std::uint64_t h = mixed(seed, i);
  const double step = static_cast<double>(h % 2001) - 1000.0;
  switch (fileType) {
    case 179: return step / 8.0 + static_cast<double>(h >> 60);
    case 181: return static_cast<double>(h % (std::uint64_t{1} << 40)) - 549755813888.0 + 0.75;
    default: return h % 16 == 0 ? step * 1000.0 : step;
  }
}

// Point i as the file holds it (type 181 keeps the value rounded down).
inline double storedPointOf(LONG fileType, std::uint64_t seed, std::uint64_t i) {
  const double point = pointOf(fileType, seed, i);
  return fileType == 181 ? std::floor(point) : point;
}

// Batch b of points (1 to 300: never enough to fill the cache, so that each batch reaches the file
// in one flush), or of spectrum records (1 to 3).
inline std::uint64_t batchSize(LONG fileType, std::uint64_t seed, std::uint64_t b) {
  const std::uint64_t h = mixed(~seed, b);
  return fileType == 131 ? 1 + h % 3 : 1 + h % 300;
}

struct Record {
  RwdSpectrumDescriptor descriptor{};
  std::vector<LONG> values;
  bool differences = false;
};

inline Record recordOf(std::uint64_t seed, std::uint64_t n) {
  Record record;
  record.descriptor.value = static_cast<LONG>(n);
  for (int f = 0; f < 4; ++f) record.descriptor.fields[f] = static_cast<WORD>(n + static_cast<std::uint64_t>(f));
  record.descriptor.extension.kind1 = static_cast<DWORD>(mixed(seed, n));
  const std::uint64_t count = mixed(seed, n) % 41;
  for (std::uint64_t i = 0; i < count; ++i)
    record.values.push_back(static_cast<LONG>(mixed(seed ^ n, i) % 100001) - 50000);
  record.differences = n % 2 == 0;
  return record;
}

}  // namespace dsupcrash
