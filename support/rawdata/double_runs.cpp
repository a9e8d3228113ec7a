// The encodings of doubles, a run of points at a time, each value converted and stored in one pass:
// type 179 stores the double as it is and keeps FLOAT extremes, type 181 stores it rounded down to a
// 48-bit integer.
#include <bit>
#include <cmath>
#include <cstring>

#include "rawdata/byte_order.h"
#include "rawdata/file_context.h"
#include "rawdata/lanes.h"
#include "rawdata/point_runs.h"

namespace dsup {

namespace {

constexpr DWORD doubleRecordSize = 8;
constexpr ULONGLONG integer48Marker = 0x7FFF;
constexpr DWORD integer48RecordSize = 8;
static_assert(doubleRecordSize <= largestPointSize && integer48RecordSize <= largestPointSize);
constexpr int integer48Bits = 48;
constexpr ULONGLONG integer48Mask = (ULONGLONG{1} << integer48Bits) - 1;

// Type 181 keeps values within 48 bits: beyond them the nearest limit, and 0 for no number.
constexpr double largestInteger48 = 140737488355327.0;    // 2^47 - 1
constexpr double smallestInteger48 = -140737488355328.0;  // -2^47

// The value rounded down. Within 48 bits a double converts to an integer exactly, so rounding
// toward zero and then one less where that rounded up (a negative value with a fraction) gives the
// floor without a call to floor(). A value between 2^47 - 1 and 2^47 is cut to 2^47 - 1 first,
// which is its floor too.
LONGLONG integer48Of(double value) {
  if (std::isnan(value)) return 0;
  const double within = value < smallestInteger48 ? smallestInteger48 : value > largestInteger48 ? largestInteger48 : value;
  const auto towardZero = static_cast<LONGLONG>(within);
  return towardZero - (static_cast<double>(towardZero) > within ? 1 : 0);
}

// The FLOAT extremes: a value that is not a number fails both comparisons and changes neither.
void keepExtremes(FLOAT value, FLOAT& smallest, FLOAT& largest) {
  smallest = value < smallest ? value : smallest;
  largest = value > largest ? value : largest;
}

}  // namespace

// Four values at a time, each lane keeping extremes of its own, taken together at the end. That
// gives the same extremes as one value after the other, whatever the order: they start at 0.0 and
// no zero ever replaces them (-0.0 is neither smaller nor larger than 0.0), and equal values of any
// other kind have the same bits.
void encodeDoubleRun(RwdFileContext& context, const double* values, DWORD count) {
  if (count == 0) return;
  if (!context.firstValueSeen) {
    context.firstValue = bitsOf(static_cast<FLOAT>(values[0]));
    context.firstValueSeen = 1;
  }
  BYTE* next = cacheOf(context) + context.cacheFill;
  FLOAT smallest = floatOf(context.minValue);
  FLOAT largest = floatOf(context.maxValue);
  DWORD i = 0;
  if (count >= laneCount) {
    FloatLanes smallLanes = {smallest, smallest, smallest, smallest};
    FloatLanes largeLanes = {largest, largest, largest, largest};
    for (; i + laneCount <= count; i += laneCount, next += laneCount * doubleRecordSize) {
      DoubleLanes doubles;
      loadLanes(doubles, values + i);
      std::memcpy(next, &doubles, sizeof doubles);  // little-endian, as the host holds them
      const auto nearest = __builtin_convertvector(doubles, FloatLanes);
      smallLanes = nearest < smallLanes ? nearest : smallLanes;  // keepExtremes, lane by lane
      largeLanes = nearest > largeLanes ? nearest : largeLanes;
    }
    for (DWORD lane = 0; lane < laneCount; ++lane) {
      smallest = smallLanes[lane] < smallest ? smallLanes[lane] : smallest;
      largest = largeLanes[lane] > largest ? largeLanes[lane] : largest;
    }
  }
  for (; i < count; ++i, next += doubleRecordSize) {
    storeLittleEndian64(next, std::bit_cast<ULONGLONG>(values[i]));
    keepExtremes(static_cast<FLOAT>(values[i]), smallest, largest);
  }
  context.minValue = bitsOf(smallest);
  context.maxValue = bitsOf(largest);
  context.cacheFill = static_cast<WORD>(context.cacheFill + count * doubleRecordSize);
}

// The marker word, then the 48-bit two's complement integer, big-endian.
void encodeInteger48Run(RwdFileContext& context, const double* values, DWORD count) {
  BYTE* next = cacheOf(context) + context.cacheFill;
  for (DWORD i = 0; i < count; ++i, next += integer48RecordSize) {
    const auto bits = static_cast<ULONGLONG>(integer48Of(values[i])) & integer48Mask;
    storeBigEndian64(next, integer48Marker << integer48Bits | bits);
  }
  context.cacheFill = static_cast<WORD>(context.cacheFill + count * integer48RecordSize);
}

}  // namespace dsup
