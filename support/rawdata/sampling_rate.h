// The sampling rate of a signal file, decoded from the rate code given at creation, and the size
// of the write cache that follows from it.
#pragma once

#include <windows.h>

#include <optional>

namespace dsup {

// Points per second as a FLOAT: 20 / 2^rateCode for type 108; for the other signal types the
// code packs a ratio, low 16 bits over high 16 bits. Empty when the rate, or the sample interval
// 1000 / rate, is not a positive finite number (a zero half of the ratio, or a divider so large
// that the rate vanishes).
std::optional<FLOAT> decodeSamplingRate(LONG fileType, DWORD rateCode);

// Milliseconds between two points.
inline FLOAT sampleIntervalOf(FLOAT rate) { return 1000.0f / rate; }

// Cache bytes for a rate: 20 seconds of 1-byte points, at least the header image of 6146 bytes and
// at most 64239 bytes, so that the context stays within 65535 bytes in the 32-bit layout.
WORD signalCacheSize(FLOAT rate);

}  // namespace dsup
