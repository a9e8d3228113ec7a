// The difference blocks of types 108 and 130, a run of points at a time. The state of the run stays
// in locals (the cache's bytes could alias the context's fields, which would reload them at every
// store), and each block's header word is stored once, when the run has filled the block as far as
// it goes. The differences of four points are checked together and, when all of them fit, stored
// at once; a group that does not fit is stored point by point together with the points behind it,
// so that a noisy signal pays the check only now and then. The extremes are kept four lanes at a
// time, without a branch per point.
#include <algorithm>

#include "rawdata/byte_order.h"
#include "rawdata/difference_blocks.h"
#include "rawdata/file_context.h"
#include "rawdata/lanes.h"
#include "rawdata/point_runs.h"

namespace dsup {

namespace {

// After a group that does not fit, this many points are stored one by one before the next check.
constexpr DWORD pointsAfterAMiss = 16;

BYTE* storeRecord(BYTE* at, LONG value, LONG previous) {
  const LONG difference = differenceOf(value, previous);
  if (fitsDifferenceRecord(difference)) {
    storeBigEndian16(at, static_cast<WORD>(difference));
    return at + differenceRecordSize;
  }
  storeBigEndian16(at, absoluteEscape);
  storeBigEndian32(at + 2, static_cast<DWORD>(value));
  return at + absoluteRecordSize;
}

// The records of values[1] to values[count - 1] of one block at `at`, each a difference from the
// value before it; returns where the next record goes.
BYTE* storeFollowingRecords(BYTE* at, const LONG* values, DWORD count) {
  constexpr auto largest = static_cast<std::uint32_t>(largestDifference);
  for (DWORD i = 1; i < count;) {
    if (i + laneCount <= count) {
      UnsignedLanes points, previous;
      loadLanes(points, values + i);
      loadLanes(previous, values + i - 1);
      const UnsignedLanes differences = points - previous;
      const Lanes outside = differences + largest > 2 * largest;  // fitsDifferenceRecord, lane by lane
      if (!anyLane(outside)) {
        for (DWORD lane = 0; lane < laneCount; ++lane)
          storeBigEndian16(at + lane * differenceRecordSize, static_cast<WORD>(differences[lane]));
        at += laneCount * differenceRecordSize;
        i += laneCount;
        continue;
      }
    }
    // After a miss, and for the last points of the block, one by one.
    for (const DWORD end = std::min(count, i + pointsAfterAMiss); i < end; ++i) at = storeRecord(at, values[i], values[i - 1]);
  }
  return at;
}

void keepExtremes(RwdFileContext& context, const LONG* values, DWORD count) {
  LONG smallest = context.minValue;
  LONG largest = context.maxValue;
  DWORD i = 0;
  if (count >= laneCount) {
    Lanes smallLanes = {smallest, smallest, smallest, smallest};
    Lanes largeLanes = {largest, largest, largest, largest};
    for (; i + laneCount <= count; i += laneCount) {
      Lanes lanes;
      loadLanes(lanes, values + i);
      smallLanes = lanes < smallLanes ? lanes : smallLanes;
      largeLanes = lanes > largeLanes ? lanes : largeLanes;
    }
    for (DWORD lane = 0; lane < laneCount; ++lane) {
      smallest = std::min<LONG>(smallest, smallLanes[lane]);
      largest = std::max<LONG>(largest, largeLanes[lane]);
    }
  }
  for (; i < count; ++i) {
    smallest = std::min(smallest, values[i]);
    largest = std::max(largest, values[i]);
  }
  context.minValue = smallest;
  context.maxValue = largest;
}

}  // namespace

void encodeDifferenceRun(RwdFileContext& context, const LONG* values, DWORD count) {
  if (count == 0) return;
  if (!context.firstValueSeen) {
    context.firstValue = values[0];
    context.firstValueSeen = 1;
  }
  keepExtremes(context, values, count);

  BYTE* const cache = cacheOf(context);
  BYTE* next = cache + context.cacheFill;
  DWORD blockOffset = context.blockOffset;
  DWORD blockPoints = context.blockWord & blockPointMask;
  LONG previous = context.previousValue;
  for (DWORD done = 0; done < count;) {
    if (blockPoints >= largestBlockPoints) {
      blockOffset = static_cast<DWORD>(next - cache);
      next += blockWordSize;
      blockPoints = 0;
    }
    const DWORD points = std::min(count - done, largestBlockPoints - blockPoints);
    // The first point of each part follows the previous value; the others follow their neighbours.
    next = storeRecord(next, values[done], previous);
    next = storeFollowingRecords(next, values + done, points);
    previous = values[done + points - 1];
    done += points;
    blockPoints += points;
    storeBigEndian16(cache + blockOffset, static_cast<WORD>(blockWordEmpty + blockPoints));
  }
  context.cacheFill = static_cast<WORD>(next - cache);
  context.blockOffset = static_cast<WORD>(blockOffset);
  context.blockWord = static_cast<WORD>(blockWordEmpty + blockPoints);
  context.previousValue = previous;
}

}  // namespace dsup
