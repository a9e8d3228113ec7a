// DSupRwdWriteSpectrumRecord: one spectrum is appended to a spectra file through the write cache,
// and its entry to the record index. The context block is resized for every record, so that its
// cache holds exactly the records that wait for the flush and the largest coding of this one: the
// block may move, and the caller's handle variable receives the handle that is valid afterwards.
#include <dsup.h>

#include "rawdata/byte_order.h"
#include "rawdata/call_guard.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/spectrum_format.h"
#include "rawdata/spectrum_index.h"
#include "rawdata/status.h"
#include "rawdata/write_cache.h"

namespace dsup {

namespace {

constexpr DWORD smallestSpectraCache = 512;
// Without a flush the context grows to 20 KiB at most (1296 + 19184 bytes in the 32-bit layout).
constexpr DWORD largestCacheWithoutFlush = 19184;

// A record longer than its 16-bit length can say, or values that are not there, is refused before
// anything is written.
bool isRepresentable(const RwdSpectrumDescriptor* descriptor, const LONG* values, LONG count) {
  return descriptor && count >= 0 && count <= largestValueCount && (values || count == 0);
}

// The records that wait, this one in its largest coding, and the end mark the flush appends.
DWORD cacheSizeFor(const RwdFileContext& context, LONG count) {
  const DWORD size = largestValueSize * static_cast<DWORD>(count) + recordHeaderSize(context.spectrumKind) +
                     context.cacheFill + endMarkSize;
  return size < smallestSpectraCache ? smallestSpectraCache : size;
}

// Before a block shrinks its capacity is lowered, so that a lock between the resize and the new
// capacity still finds the cache within the block.
void keepCapacityWithin(RwdFileContext& context, DWORD cacheSize) {
  if (cacheSize < context.cacheCapacity) context.cacheCapacity = static_cast<WORD>(cacheSize);
}

bool resizeContext(HGLOBAL& handle, DWORD cacheSize) {
  HGLOBAL resized = GlobalReAlloc(handle, contextFixedSize + cacheSize, GMEM_MOVEABLE | GMEM_ZEROINIT);
  if (!resized) return false;
  handle = resized;
  return true;
}

// The cache cannot grow without a flush, or the block could not be resized: the waiting records
// go to the file first, and the cache is sized for this record alone.
LONG flushAndResize(HGLOBAL& handle, LONG count, DWORD& cacheSize) {
  {
    ContextLock context(handle);
    if (!context) return statusRecordLockFailed;
    if (const LONG status = flushCache(*context, forcedFlushAge)) return statusRecordBase + status;
    cacheSize = cacheSizeFor(*context, count);
    keepCapacityWithin(*context, cacheSize);
  }
  return resizeContext(handle, cacheSize) ? statusOk : statusRecordResizeFailed;
}

// The record header at `record`: letter, zero, length (the header's own for now), the descriptor's
// value and four fields, and for kinds 1 and 2 the extension's length and bytes. Returns the
// header's length: 22 for kinds 1 and 2, 16 for the others, so that the values always follow it.
WORD RwdFillSpectrumHeader(const RwdFileContext& context, const RwdSpectrumDescriptor& descriptor, BYTE* record,
                           bool differences) {
  const WORD size = recordHeaderSize(context.spectrumKind);
  record[recordOffsets::letter] = differences ? recordLetterDifferences : recordLetterAbsolute;
  record[recordOffsets::letter + 1] = 0;
  storeLittleEndian16(record + recordOffsets::length, size);
  storeLittleEndian32(record + recordOffsets::descriptorValue, static_cast<DWORD>(descriptor.value));
  for (WORD i = 0; i < descriptorFieldCount; ++i)
    storeLittleEndian16(record + recordOffsets::descriptorFields + 2 * i, descriptor.fields[i]);
  if (context.spectrumKind == spectrumKindExtension32) {
    storeLittleEndian16(record + recordOffsets::extensionLength, extensionSize);
    storeLittleEndian32(record + recordOffsets::extension, descriptor.extension.kind1);
  } else if (context.spectrumKind == spectrumKindExtension16) {
    storeLittleEndian16(record + recordOffsets::extensionLength, extensionSize);
    storeLittleEndian16(record + recordOffsets::extension, descriptor.extension.kind2[0]);
    storeLittleEndian16(record + recordOffsets::extension + 2, descriptor.extension.kind2[1]);
  }
  return size;
}

WORD encodeAbsolute(BYTE* at, const LONG* values, LONG count) {
  for (LONG i = 0; i < count; ++i) storeLittleEndian32(at + absoluteValueSize * i, static_cast<DWORD>(values[i]));
  return static_cast<WORD>(absoluteValueSize * count);
}

// Every record starts from 0. Differences wrap in 32 bits, as a reader adds them back.
WORD encodeDifferences(BYTE* at, const LONG* values, LONG count) {
  BYTE* next = at;
  LONG previous = 0;
  for (LONG i = 0; i < count; ++i) {
    const LONG value = values[i];
    const LONG difference = differenceOf(value, previous);
    if (fitsDifferenceRecord(difference)) {
      storeLittleEndian16(next, static_cast<WORD>(difference));
      next += differenceRecordSize;
    } else {
      storeLittleEndian16(next, absoluteEscape);
      storeLittleEndian32(next + 2, static_cast<DWORD>(value));
      next += absoluteRecordSize;
    }
    previous = value;
  }
  return static_cast<WORD>(next - at);
}

LONG appendRecord(RwdFileContext& context, const RwdSpectrumDescriptor& descriptor, const LONG* values, LONG count,
                  bool differences) {
  BYTE* record = cacheOf(context) + context.cacheFill;
  const WORD headerSize = RwdFillSpectrumHeader(context, descriptor, record, differences);
  BYTE* valueBytes = record + headerSize;
  const auto length = static_cast<WORD>(headerSize + (differences ? encodeDifferences(valueBytes, values, count)
                                                                    : encodeAbsolute(valueBytes, values, count)));
  storeLittleEndian16(record + recordOffsets::length, length);
  context.cacheFill = static_cast<WORD>(context.cacheFill + length);
  const LONG indexStatus = RwdAddSpectrumIndexEntry(context, record);
  // The record stays in the cache and reaches the file with the next flush also when its index
  // entry failed (the index then lacks it), so the next record starts behind it.
  context.dataOffset += length;
  if (indexStatus != statusOk) return statusRecordBase + indexStatus;
  const LONG flushStatus = flushCache(context, timedFlushAge);
  return flushStatus == statusOk ? statusOk : statusRecordBase + flushStatus;
}

LONG writeRecord(HGLOBAL& handle, const RwdSpectrumDescriptor* descriptor, const LONG* values, LONG count,
                 bool differences) {
  DWORD cacheSize = 0;
  {
    ContextLock context(handle);
    if (!context) return statusRecordLockFailed;
    // A signal file's cache must not take records, nor shrink below its header image.
    if (context->fileType != fileTypeSpectra || context->indexOpen != indexOpenFlag) return statusRecordNotSpectraFile;
    if (!isRepresentable(descriptor, values, count)) return statusRecordResizeFailed;
    cacheSize = cacheSizeFor(*context, count);
    keepCapacityWithin(*context, cacheSize);
  }
  if (cacheSize > largestCacheWithoutFlush || !resizeContext(handle, cacheSize)) {
    if (const LONG status = flushAndResize(handle, count, cacheSize)) return status;
  }
  ContextLock context(handle);
  if (!context) return statusRecordLockFailed;
  context->cacheCapacity = static_cast<WORD>(cacheSize);
  return appendRecord(*context, *descriptor, values, count, differences);
}

}  // namespace

}  // namespace dsup

extern "C" LONG DSUP_CALL DSupRwdWriteSpectrumRecord(HGLOBAL* handle, const RwdSpectrumDescriptor* descriptor,
                                                     const LONG* values, LONG count, BOOL differences) noexcept {
  if (!handle) return dsup::statusRecordLockFailed;
  // The guard of the handle the call starts with, held also while the block is resized.
  const dsup::CallGuard guard(*handle);
  return dsup::writeRecord(*handle, descriptor, values, count, differences != FALSE);
}
