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

// The snapshot's copy.
inline constexpr LONG statusCopyReadFailed = 3;    // the data file could not be read
inline constexpr LONG statusCopyCreateFailed = 6;  // no handle, or the copy could not be created
inline constexpr LONG statusCopyWriteFailed = 7;   // the copy was not completely written

// Moving index entries to the side file.
inline constexpr LONG statusSideFileCreateFailed = 101;
inline constexpr LONG statusSideFileOpenFailed = 102;
inline constexpr LONG statusSideFileWriteFailed = 104;
inline constexpr LONG statusSideFileNameWithoutStop = 106;  // the joined path has no full stop to cut at
inline constexpr LONG statusSpillLockFailed = 110;          // the index block cannot be locked

// The signal data writer.
inline constexpr LONG statusDataLockFailed = 10;

// The write cache.
inline constexpr LONG statusFlushBase = 1000;
inline constexpr LONG statusFlushHeaderReadFailed = statusFlushBase + statusHeaderReadFailed;
inline constexpr LONG statusFlushWriteFailed = statusFlushBase + statusWriteFailed;
inline constexpr LONG statusFlushLockFailed = 1010;

// Index entries of spectrum records: 2000 + the spill's status, or one of their own.
inline constexpr LONG statusIndexBase = 2000;
inline constexpr LONG statusIndexResizeFailed = statusIndexBase + 8;
inline constexpr LONG statusIndexLockFailed = statusIndexBase + 10;

// Spectrum records: 10000 + the status of the write cache or of the index entry.
inline constexpr LONG statusRecordBase = 10000;
inline constexpr LONG statusRecordResizeFailed = statusRecordBase + 8;  // also: a record that cannot be represented
inline constexpr LONG statusRecordLockFailed = statusRecordBase + 10;
inline constexpr LONG statusRecordNotSpectraFile = statusRecordBase + statusIndexBase;

}  // namespace dsup
