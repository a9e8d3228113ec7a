// DSupRwdWriteRawdata: the points of a signal file are encoded into the write cache, by file type,
// in runs that surely fit the cache; a nearly full cache is flushed before the next run.
#include <dsup.h>

#include <algorithm>

#include "rawdata/call_guard.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/point_runs.h"
#include "rawdata/status.h"
#include "rawdata/write_cache.h"

namespace dsup {

namespace {

// The largest point and the end mark that the flush appends always fit behind this margin.
constexpr int cacheRoomMargin = static_cast<int>(largestPointSize + endMarkSize);

bool hasRoomForAPoint(const RwdFileContext& context) {
  return context.cacheFill + cacheRoomMargin <= context.cacheCapacity;
}

// The points from here on that each find room in the cache: the next one does (checked before),
// and each takes at most largestPointSize bytes.
DWORD pointsWithRoom(const RwdFileContext& context) {
  const int room = context.cacheCapacity - cacheRoomMargin - context.cacheFill;
  return static_cast<DWORD>(std::max(room, 0)) / largestPointSize + 1;
}

template <class Value, void (*encodeRun)(RwdFileContext&, const Value*, DWORD)>
LONG encodeAll(RwdFileContext& context, const void* values, LONG count) {
  const auto* points = static_cast<const Value*>(values);
  for (auto left = static_cast<DWORD>(std::max(count, LONG{0})); left > 0;) {
    if (!hasRoomForAPoint(context)) {
      if (const LONG status = flushCache(context, forcedFlushAge)) return status;
    }
    const DWORD run = std::min(left, pointsWithRoom(context));
    encodeRun(context, points, run);
    context.cachePointCount = static_cast<WORD>(context.cachePointCount + run);
    context.pointCount += run;
    points += run;
    left -= run;
  }
  return statusOk;
}

LONG encodePoints(RwdFileContext& context, const void* values, LONG count) {
  if (!values) return statusOk;
  switch (context.fileType) {
    case fileTypeGcIntegers:
    case fileTypeLcIntegers: return encodeAll<LONG, encodeDifferenceRun>(context, values, count);
    case fileTypeGcDoubles: return encodeAll<double, encodeDoubleRun>(context, values, count);
    case fileTypeGcIntegers48: return encodeAll<double, encodeInteger48Run>(context, values, count);
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
