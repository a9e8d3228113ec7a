#include "rawdata/file_context.h"

#include "rawdata/file_layout.h"

namespace dsup {

namespace {

// Extremes before the first point of an integer file: every point replaces them.
constexpr LONG integerMaxStart = -2147483647;
constexpr LONG integerMinStart = 2147483647;

// The flush appends the end mark behind the cache's content, and a signal file's cache holds at
// least the header image, so that the largest point always fits behind the room check.
bool isFileContext(HGLOBAL handle, const RwdFileContext& context) {
  const SIZE_T size = GlobalSize(handle);
  if (size < contextFixedSize || !isKnownFileType(context.fileType)) return false;
  const WORD smallestCache = isSignalFileType(context.fileType) ? minimumSignalCache : endMarkSize;
  return context.cacheCapacity <= size - contextFixedSize && context.cacheCapacity >= smallestCache &&
         context.blockOffset <= context.cacheFill && context.cacheFill + endMarkSize <= context.cacheCapacity;
}

}  // namespace

void resetPointStatistics(RwdFileContext& context) {
  const bool floats = context.fileType == fileTypeGcDoubles;
  context.minValue = floats ? bitsOf(0.0f) : integerMinStart;
  context.maxValue = floats ? bitsOf(0.0f) : integerMaxStart;
  context.firstValueSeen = 0;
}

ContextLock::ContextLock(HGLOBAL handle) : handle_(handle) {
  auto* context = static_cast<RwdFileContext*>(GlobalLock(handle));
  if (!context) return;
  if (!isFileContext(handle, *context)) {
    GlobalUnlock(handle);
    outcome_ = Outcome::notAContext;
    return;
  }
  context_ = context;
  outcome_ = Outcome::locked;
}

ContextLock::~ContextLock() {
  if (context_) GlobalUnlock(handle_);
}

}  // namespace dsup
