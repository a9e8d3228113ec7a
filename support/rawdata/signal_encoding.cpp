// DSupRwdWriteRawdata: the points of a signal file are encoded into the write cache, by file type,
// while the statistics that the header refresh writes are kept.
#include <dsup.h>

#include <bit>
#include <cmath>

#include "rawdata/byte_order.h"
#include "rawdata/call_guard.h"
#include "rawdata/difference_blocks.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/status.h"
#include "rawdata/write_cache.h"

namespace dsup {

namespace {

constexpr WORD doubleRecordSize = 8;
constexpr WORD integer48Marker = 0x7FFF;
constexpr WORD integer48RecordSize = 8;

// The largest point (a new block header and an absolute record, or one 8-byte record) and the end
// mark that the flush appends always fit behind this margin.
constexpr int cacheRoomMargin = 8 + endMarkSize;

// Type 181 keeps values within 48 bits: beyond them the nearest limit, and 0 for no number.
constexpr double integer48Limit = 140737488355328.0;  // 2^47
constexpr LONGLONG largestInteger48 = 140737488355327;
constexpr LONGLONG smallestInteger48 = -140737488355328;

void countPoint(RwdFileContext& context) {
  ++context.cachePointCount;
  ++context.pointCount;
}

void encodeInteger(RwdFileContext& context, BYTE* cache, LONG value) {
  if ((context.blockWord & blockPointMask) >= largestBlockPoints) {
    context.blockOffset = context.cacheFill;
    context.cacheFill += blockWordSize;
    context.blockWord = blockWordEmpty;
  }
  if (!context.firstValueSeen) {
    context.firstValue = value;
    context.firstValueSeen = 1;
  }
  if (value > context.maxValue) context.maxValue = value;
  if (value < context.minValue) context.minValue = value;
  countPoint(context);
  ++context.blockWord;
  storeBigEndian16(cache + context.blockOffset, context.blockWord);

  // Differences wrap in 32 bits, and a reader adds them back the same way.
  const auto difference = static_cast<LONG>(static_cast<DWORD>(value) - static_cast<DWORD>(context.previousValue));
  BYTE* record = cache + context.cacheFill;
  if (difference >= -largestDifference && difference <= largestDifference) {
    storeBigEndian16(record, static_cast<WORD>(difference));
    context.cacheFill += differenceRecordSize;
  } else {
    storeBigEndian16(record, absoluteEscape);
    storeBigEndian32(record + 2, static_cast<DWORD>(value));
    context.cacheFill += absoluteRecordSize;
  }
  context.previousValue = value;
}

// The header keeps FLOATs; a value that is not a number changes neither extreme.
void encodeDouble(RwdFileContext& context, BYTE* cache, double value) {
  const auto nearest = static_cast<FLOAT>(value);
  if (!context.firstValueSeen) {
    context.firstValue = bitsOf(nearest);
    context.firstValueSeen = 1;
  }
  if (nearest > floatOf(context.maxValue)) context.maxValue = bitsOf(nearest);
  if (nearest < floatOf(context.minValue)) context.minValue = bitsOf(nearest);
  countPoint(context);
  storeLittleEndian64(cache + context.cacheFill, std::bit_cast<ULONGLONG>(value));
  context.cacheFill += doubleRecordSize;
}

LONGLONG integer48Of(double value) {
  if (std::isnan(value)) return 0;
  if (value >= integer48Limit) return largestInteger48;
  if (value < -integer48Limit) return smallestInteger48;
  return static_cast<LONGLONG>(std::floor(value));
}

// The value rounded down, as a 48-bit two's complement integer: the upper 16 bits, then the lower 32.
void encodeInteger48(RwdFileContext& context, BYTE* cache, double value) {
  countPoint(context);
  const auto bits = static_cast<ULONGLONG>(integer48Of(value));
  BYTE* record = cache + context.cacheFill;
  storeBigEndian16(record, integer48Marker);
  storeBigEndian16(record + 2, static_cast<WORD>(bits >> 32));
  storeBigEndian32(record + 4, static_cast<DWORD>(bits));
  context.cacheFill += integer48RecordSize;
}

template <class Value, void (*encode)(RwdFileContext&, BYTE*, Value)>
LONG encodeAll(RwdFileContext& context, const void* values, LONG count) {
  const auto* points = static_cast<const Value*>(values);
  for (LONG i = 0; i < count; ++i) {
    if (context.cacheFill + cacheRoomMargin > context.cacheCapacity) {
      if (const LONG status = flushCache(context, forcedFlushAge)) return status;
    }
    encode(context, cacheOf(context), points[i]);
  }
  return statusOk;
}

LONG encodePoints(RwdFileContext& context, const void* values, LONG count) {
  if (!values) return statusOk;
  switch (context.fileType) {
    case fileTypeGcIntegers:
    case fileTypeLcIntegers: return encodeAll<LONG, encodeInteger>(context, values, count);
    case fileTypeGcDoubles: return encodeAll<double, encodeDouble>(context, values, count);
    case fileTypeGcIntegers48: return encodeAll<double, encodeInteger48>(context, values, count);
    default: return statusOk;  // a spectra file takes records, not points
  }
}

}  // namespace

}  // namespace dsup

extern "C" LONG DSUP_CALL DSupRwdWriteRawdata(HGLOBAL handle, const void* values, LONG count) noexcept {
  const dsup::CallGuard guard(handle);
  dsup::ContextLock context(handle);
  if (!context) return dsup::statusDataLockFailed;
  if (const LONG status = dsup::encodePoints(*context, values, count)) return status;
  return dsup::flushCache(*context, dsup::timedFlushAge);
}
