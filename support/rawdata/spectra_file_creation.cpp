// DSupRwdCreateSpectraFile: a spectra file with its header and end mark, the file context that
// records into it, and its empty record index in memory. A failed creation leaves no memory and,
// when the file had been made, no file behind.
#include <dsup.h>

#include "rawdata/calendar_clock.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/file_path.h"
#include "rawdata/header_builder.h"
#include "rawdata/header_text.h"
#include "rawdata/spectrum_format.h"
#include "rawdata/spectrum_index.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

// The header image and the end mark are built in the cache.
constexpr WORD spectraCreationCache = spectraHeaderSize + endMarkSize;

void setUpContext(RwdFileContext& context, const RwdHeaderParameters& parameters) {
  context.cacheCapacity = spectraCreationCache;
  context.storeFirstValue = 1;
  context.fileType = fileTypeSpectra;
  context.spectrumKind = parameters.spectrumKind;
  context.indexOpen = indexOpenFlag;
  context.dataOffset = spectraHeaderSize;
  copyText(context.fileName, parameters.fileName);
  copyText(context.sideFileDirectory, parameters.sideFileDirectory);
  copyText(context.tagText, parameters.tagText);
  RwdInitCache(&context);
}

// The header and the end mark go out as two writes; after a short one the file is deleted.
bool createFileWithHeader(RwdFileContext& context, const WCHAR* path) {
  context.fileHandle = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  if (context.fileHandle == INVALID_HANDLE_VALUE) return false;
  const BYTE* image = cacheOf(context);
  DWORD header = 0, endMark = 0;
  if (WriteFile(context.fileHandle, image, spectraHeaderSize, &header, nullptr) && header == spectraHeaderSize &&
      WriteFile(context.fileHandle, image + spectraHeaderSize, endMarkSize, &endMark, nullptr) && endMark == endMarkSize)
    return true;
  CloseHandle(context.fileHandle);
  DeleteFileW(path);
  return false;
}

bool createInLockedContext(RwdFileContext& context, const RwdHeaderParameters& parameters, const WCHAR* path) {
  context.indexMemory = createIndexBlock();
  if (!context.indexMemory) return false;
  setUpContext(context, parameters);
  RwdBuildHeader(&context, &parameters);
  if (!createFileWithHeader(context, path)) {
    GlobalFree(context.indexMemory);
    return false;
  }
  context.lastFlushTime = calendarSeconds();
  return true;
}

HGLOBAL createSpectraFile(const RwdHeaderParameters& parameters) {
  WCHAR path[filePathUnits];
  if (!joinFilePath(parameters.directory, parameters.fileName, path)) return nullptr;
  HGLOBAL handle = GlobalAlloc(GHND, contextFixedSize + spectraCreationCache);
  if (!handle) return nullptr;
  auto* context = static_cast<RwdFileContext*>(GlobalLock(handle));
  const bool created = context && createInLockedContext(*context, parameters, path);
  if (context) GlobalUnlock(handle);
  if (created) return handle;
  GlobalFree(handle);
  return nullptr;
}

}  // namespace

}  // namespace dsup

extern "C" HGLOBAL DSUP_CALL DSupRwdCreateSpectraFile(RwdHeaderParameters* parameters) noexcept {
  if (!parameters) return nullptr;
  HGLOBAL handle = dsup::createSpectraFile(*parameters);
  if (!handle) parameters->status = dsup::statusCreateFailed;
  return handle;
}
