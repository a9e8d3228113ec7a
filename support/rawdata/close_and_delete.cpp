// DSupRwdCloseRawdataFile and DSupRwdDeleteRawdataFile: the two ends of a handle's life. Both free
// the context whatever happens and leave the caller's handle variable at 0.
#include <dsup.h>

#include "rawdata/call_guard.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/file_path.h"
#include "rawdata/side_file.h"
#include "rawdata/spectrum_index_finish.h"
#include "rawdata/status.h"
#include "rawdata/write_cache.h"

namespace dsup {

namespace {

// A spectra file is finished with its record index once the last flush has put every record into
// the file; a file whose index could not be written is left as while it was recorded (records and
// end mark), which is reported like a failed append. The side file is deleted in any case: without
// the context nothing could ever use it again.
LONG finishSpectraFile(RwdFileContext& context, LONG flushStatus) {
  LONG status = flushStatus;
  if (status == statusOk && RwdWriteSpectrumIndex(context, context.fileHandle) != statusOk)
    status = statusFlushWriteFailed;
  if (context.sideFileCreated) RwdDeleteSideFile(context);
  return status;
}

// The last flush and the finishing step of the file's family, then the file is closed. A failed
// last flush is reported even when the file closes well (points were lost), and a file that does
// not close cleanly is reported as a failed write: its last bytes may not be on disk. A header
// refresh that failed part-way may have left fields that describe the cached points, which are
// lost now: the header is refreshed once more to describe the points in the file.
LONG closeLockedContext(RwdFileContext& context) {
  LONG status = flushCache(context, forcedFlushAge);
  if (status != statusOk && isSignalFileType(context.fileType) && context.cachePointCount != 0)
    forgetCachedPoints(context);
  if (context.fileType == fileTypeSpectra) status = finishSpectraFile(context, status);
  if (context.indexMemory) GlobalFree(context.indexMemory);
  const bool closed = CloseHandle(context.fileHandle) != FALSE;
  if (status != statusOk) return status;
  return closed ? statusOk : statusFlushWriteFailed;
}

LONG closeHandle(HGLOBAL handle) {
  const CallGuard guard(handle);
  LONG status;
  {
    ContextLock context(handle);
    if (!context) {
      // A block that cannot be locked is freed all the same; memory that is no file context is
      // not ours to free.
      if (context.outcome() == ContextLock::Outcome::notLockable) GlobalFree(handle);
      return statusLockFailed;
    }
    status = closeLockedContext(*context);
  }
  GlobalFree(handle);
  return status;
}

}  // namespace

}  // namespace dsup

extern "C" {

LONG DSUP_CALL DSupRwdCloseRawdataFile(HGLOBAL* handle) noexcept {
  if (!handle || !*handle) return dsup::statusOk;
  const LONG status = dsup::closeHandle(*handle);
  *handle = nullptr;
  return status;
}

LONG DSUP_CALL DSupRwdDeleteRawdataFile(HGLOBAL* handle, LPCWSTR directory, LPCWSTR fileName) noexcept {
  WCHAR path[dsup::filePathUnits];
  const bool named = dsup::joinFilePath(directory, fileName, path);
  DSupRwdCloseRawdataFile(handle);
  return named && DeleteFileW(path) ? dsup::statusOk : dsup::statusDeleteFailed;
}

}  // extern "C"
