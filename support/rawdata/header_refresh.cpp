#include "rawdata/header_refresh.h"

#include <dsup.h>

#include <limits>

#include "rawdata/file_access.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

constexpr double roundingHalf = 0.5;

// Milliseconds from the first to the last point.
double durationOf(const RwdFileContext& context) {
  return (static_cast<double>(context.pointCount) - 1.0) * static_cast<double>(context.sampleInterval);
}

// Integer times: the duration rounded to the nearest millisecond (halves up) and added as a 32-bit
// integer. A duration beyond the 32-bit range is held at its limit instead of being converted.
LONG integerEndTime(LONG startTime, const RwdFileContext& context) {
  const double rounded = durationOf(context) + roundingHalf;
  constexpr double largest = std::numeric_limits<LONG>::max();
  const LONG duration = rounded >= largest ? std::numeric_limits<LONG>::max() : static_cast<LONG>(rounded);
  return static_cast<LONG>(static_cast<DWORD>(startTime) + static_cast<DWORD>(duration));
}

LONG floatEndTime(LONG startTime, const RwdFileContext& context) {
  return bitsOf(static_cast<FLOAT>(static_cast<double>(floatOf(startTime)) + durationOf(context)));
}

LONG refreshSpectraHeader(HANDLE file, const RwdFileContext& context) {
  if (const LONG status = RwdWriteLongToFile(file, offsets::indexOffset, static_cast<LONG>(context.dataOffset)))
    return status;
  return RwdWriteLongToFile(file, offsets::spectrumTotal, static_cast<LONG>(context.spectrumCount));
}

}  // namespace

LONG RwdUpdateHeader(HANDLE file, RwdFileContext* context) {
  if (context->fileType == fileTypeSpectra) return refreshSpectraHeader(file, *context);

  const struct {
    DWORD offset;
    LONG value;
  } extremes[] = {
      {offsets::maxValueA, context->maxValue}, {offsets::minValueA, context->minValue},
      {offsets::maxValueB, context->maxValue}, {offsets::minValueB, context->minValue},
      {offsets::minValueC, context->minValue}, {offsets::maxValueC, context->maxValue},
  };
  for (const auto& field : extremes)
    if (const LONG status = RwdWriteLongToFile(file, static_cast<LONG>(field.offset), field.value)) return status;

  if (context->storeFirstValue) {
    if (const LONG status = RwdWriteLongToFile(file, offsets::firstValueField, context->firstValue)) return status;
    if (!writeAt(file, offsets::firstValueMarker, &firstValueMarkerSet, sizeof firstValueMarkerSet))
      return statusWriteFailed;
  }

  const DWORD blocks = RwdFileBlockCount(file);
  if (const LONG status = RwdWriteLongToFile(file, offsets::blockCount, static_cast<LONG>(blocks))) return status;

  LONG readFailed = 0;
  const LONG startTime = RwdReadLongFromFile(file, offsets::startTime, &readFailed);
  if (readFailed) return statusHeaderReadFailed;
  const LONG endTime = hasFloatTimes(context->fileType) ? floatEndTime(startTime, *context)
                                                        : integerEndTime(startTime, *context);
  return RwdWriteLongToFile(file, offsets::endTime, endTime);
}

}  // namespace dsup
