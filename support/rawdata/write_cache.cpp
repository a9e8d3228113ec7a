#include "rawdata/write_cache.h"

#include <dsup.h>

#include "rawdata/calendar_clock.h"
#include "rawdata/call_guard.h"
#include "rawdata/difference_blocks.h"
#include "rawdata/file_access.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/header_refresh.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

bool holdsData(const RwdFileContext& context) {
  const bool countsPoints = usesDifferenceBlocks(context.fileType) || context.fileType == fileTypeGcDoubles;
  return countsPoints ? context.cachePointCount != 0 : context.cacheFill != 0;
}

// The gate lets a flush through when it is old enough, and also in the same second as the last
// flush or when the clock was set back (then the age cannot be told).
bool timeHasCome(const RwdFileContext& context, LONGLONG now, WORD maximumAge) {
  return now <= context.lastFlushTime || now - context.lastFlushTime >= maximumAge;
}

// A signal file's append that did not reach the disk completely: the file is cut back to its
// length before the append (with its end mark), so it stays well formed, and the points of the lost
// bytes are forgotten: the next point is encoded against the last value the file holds.
void forgetLostPoints(RwdFileContext& context, DWORD lengthBefore) {
  cutBackTo(context.fileHandle, lengthBefore, hasEndMark(context.fileType));
  context.previousValue = context.previousValueInFile;
  forgetCachedPoints(context);
}

}  // namespace

void forgetCachedPoints(RwdFileContext& context) {
  context.pointCount -= context.cachePointCount;
  if (context.pointCount == 0)
    resetPointStatistics(context);
  else
    RwdUpdateHeader(context.fileHandle, &context);
}

LONG flushCache(RwdFileContext& context, WORD maximumAge) {
  if (!holdsData(context)) return statusOk;
  const LONGLONG now = calendarSeconds();
  if (!timeHasCome(context, now, maximumAge)) return statusOk;
  if (isSignalFileType(context.fileType)) {
    // Nothing is written when the header cannot be refreshed; the cache waits for the next flush.
    if (const LONG status = RwdUpdateHeader(context.fileHandle, &context)) return statusFlushBase + status;
  }

  BYTE* cache = cacheOf(context);
  if (hasEndMark(context.fileType)) {
    for (DWORD i = 0; i < endMarkSize; ++i) cache[context.cacheFill + i] = 0;
    context.cacheFill = static_cast<WORD>(context.cacheFill + endMarkSize);
  }
  const DWORD lengthBefore = fileLengthAtEnd(context.fileHandle);
  if (hasEndMark(context.fileType)) SetFilePointer(context.fileHandle, -static_cast<LONG>(endMarkSize), nullptr, FILE_END);
  DWORD written = 0;
  const bool complete = WriteFile(context.fileHandle, cache, context.cacheFill, &written, nullptr) &&
                        written == context.cacheFill;
  if (!complete && context.fileType == fileTypeSpectra) {
    // A spectra file's records keep their place: their index entries already name the offsets at
    // which they start, so they wait in the cache for the next flush instead of being lost, and the
    // file is cut back to end where they will be appended.
    cutBackTo(context.fileHandle, lengthBefore, true);
    context.cacheFill = static_cast<WORD>(context.cacheFill - endMarkSize);
    return statusFlushWriteFailed;
  }
  if (complete)
    context.previousValueInFile = context.previousValue;
  else
    forgetLostPoints(context, lengthBefore);

  context.lastFlushTime = now;
  RwdInitCache(&context);
  return complete ? statusOk : statusFlushWriteFailed;
}

}  // namespace dsup

extern "C" {

void DSUP_CALL RwdInitCache(RwdFileContext* context) noexcept {
  if (!context) return;
  context->cachePointCount = 0;
  context->blockOffset = 0;
  context->blockWord = dsup::blockWordEmpty;
  context->cacheFill = dsup::usesDifferenceBlocks(context->fileType) ? dsup::blockWordSize : 0;
}

LONG DSUP_CALL DSupRwdWriteCache(HGLOBAL handle, WORD maximumAge) noexcept {
  const dsup::CallGuard guard(handle);
  dsup::ContextLock context(handle);
  if (!context) return dsup::statusFlushLockFailed;
  return dsup::flushCache(*context, maximumAge);
}

}  // extern "C"
