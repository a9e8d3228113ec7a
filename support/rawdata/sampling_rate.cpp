#include "rawdata/sampling_rate.h"

#include <cmath>

#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"

namespace dsup {

namespace {

constexpr FLOAT gcBaseRate = 20.0f;  // type 108: points per second at rate code 0
constexpr double cacheSecondsAtOneBytePerPoint = 20.0;
// Type 108 dividers beyond this leave no rate above 0 (20 / 2^255 underflows any FLOAT).
constexpr DWORD largestGcDividerExponent = 255;
constexpr DWORD halfWordBits = 16;
constexpr DWORD halfWordMask = 0xFFFF;

bool isPositiveFinite(FLOAT value) { return std::isfinite(value) && value > 0.0f; }

}  // namespace

std::optional<FLOAT> decodeSamplingRate(LONG fileType, DWORD rateCode) {
  FLOAT rate;
  if (fileType == fileTypeGcIntegers) {
    const DWORD exponent = rateCode < largestGcDividerExponent ? rateCode : largestGcDividerExponent;
    rate = static_cast<FLOAT>(std::ldexp(static_cast<double>(gcBaseRate), -static_cast<int>(exponent)));
  } else {
    const auto points = static_cast<FLOAT>(rateCode & halfWordMask);
    const auto seconds = static_cast<FLOAT>(rateCode >> halfWordBits);
    if (seconds == 0.0f) return std::nullopt;
    rate = points / seconds;
  }
  if (!isPositiveFinite(rate) || !isPositiveFinite(sampleIntervalOf(rate))) return std::nullopt;
  return rate;
}

WORD signalCacheSize(FLOAT rate) {
  const double bytes = std::floor(static_cast<double>(rate) * cacheSecondsAtOneBytePerPoint);
  if (bytes < minimumSignalCache) return minimumSignalCache;
  if (bytes > largestCache) return largestCache;
  return static_cast<WORD>(bytes);
}

}  // namespace dsup
