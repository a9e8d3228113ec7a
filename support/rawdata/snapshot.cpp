// DSupRwdRawdataSnapshot: a complete, readable copy of a file that is still being recorded, taken
// into another directory while recording goes on. A spectra file's copy is finished with its record
// index; the data file itself keeps its end mark.
#include <dsup.h>

#include "rawdata/call_guard.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/file_path.h"
#include "rawdata/spectrum_index_finish.h"
#include "rawdata/status.h"
#include "rawdata/write_cache.h"

namespace dsup {

namespace {

// The cache, empty after the flush, serves as the copy buffer. The copy ends with a read shorter
// than the buffer, an empty read included.
LONG copyFile(RwdFileContext& context, HANDLE copy) {
  BYTE* buffer = cacheOf(context);
  SetFilePointer(context.fileHandle, 0, nullptr, FILE_BEGIN);
  for (;;) {
    DWORD read = 0, written = 0;
    if (!ReadFile(context.fileHandle, buffer, context.cacheCapacity, &read, nullptr)) return statusCopyReadFailed;
    if (!WriteFile(copy, buffer, read, &written, nullptr) || written != read) return statusCopyWriteFailed;
    if (read < context.cacheCapacity) return statusOk;
  }
}

LONG snapshot(RwdFileContext& context, LPCWSTR directory) {
  if (const LONG status = flushCache(context, forcedFlushAge)) return status;
  WCHAR path[filePathUnits];
  if (!joinFilePath(directory, context.fileName, path)) return statusCopyCreateFailed;
  // A copy into the data file's own directory is the data file: its share mode refuses the open,
  // and the data file stays as it is.
  HANDLE copy = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (copy == INVALID_HANDLE_VALUE) return statusCopyCreateFailed;
  LONG status = copyFile(context, copy);
  // A copy without its index, or one that did not close cleanly, is not the complete copy asked for.
  if (status == statusOk && context.fileType == fileTypeSpectra && RwdWriteSpectrumIndex(context, copy) != statusOk)
    status = statusCopyWriteFailed;
  if (!CloseHandle(copy) && status == statusOk) status = statusCopyWriteFailed;
  return status;
}

}  // namespace

}  // namespace dsup

extern "C" LONG DSUP_CALL DSupRwdRawdataSnapshot(HGLOBAL handle, LPCWSTR directory) noexcept {
  if (!handle) return dsup::statusCopyCreateFailed;
  const dsup::CallGuard guard(handle);
  dsup::ContextLock context(handle);
  if (!context) return dsup::statusLockFailed;
  return dsup::snapshot(*context, directory);
}
