// The write cache: the flush that moves the cache to the end of the file behind a refreshed
// header, at most once per a given number of seconds unless forced.
#pragma once

#include <windows.h>

struct RwdFileContext;

namespace dsup {

// The maximum age of the data writers' timed flush, in seconds.
inline constexpr WORD timedFlushAge = 10;
// A maximum age of 0 forces the flush whenever the cache holds data.
inline constexpr WORD forcedFlushAge = 0;

// The flush of DSupRwdWriteCache on a locked context.
LONG flushCache(RwdFileContext& context, WORD maximumAge);

// The points in the cache will not reach the file: they are forgotten, and the header is refreshed
// to describe the points that are in the file (its extremes may still count the forgotten ones,
// which the points in the file lie within all the same). The cache itself is left as it is.
void forgetCachedPoints(RwdFileContext& context);

}  // namespace dsup
