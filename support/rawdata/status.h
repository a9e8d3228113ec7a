// The status numbers of the raw data functions. 0 is success; each layer adds its own base to the
// status of the layer below it (the write cache reports 1000 + the header refresh's status).
#pragma once

#include <windows.h>

namespace dsup {

inline constexpr LONG statusOk = 0;

// Creation: the caller's status variable receives this when no handle is returned.
inline constexpr LONG statusCreateFailed = 1;

// Header fields and the file behind a handle.
inline constexpr LONG statusHeaderReadFailed = 3;
inline constexpr LONG statusWriteFailed = 4;  // also: a writer refused a field this file type lacks
inline constexpr LONG statusDeleteFailed = 5;
inline constexpr LONG statusLockFailed = 8;

// The signal data writer.
inline constexpr LONG statusDataLockFailed = 10;

// The write cache.
inline constexpr LONG statusFlushBase = 1000;
inline constexpr LONG statusFlushHeaderReadFailed = statusFlushBase + statusHeaderReadFailed;
inline constexpr LONG statusFlushWriteFailed = statusFlushBase + statusWriteFailed;
inline constexpr LONG statusFlushLockFailed = 1010;

}  // namespace dsup
