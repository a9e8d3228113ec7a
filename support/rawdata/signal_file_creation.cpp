// DSupRwdCreateRawdataFile: a signal file with its complete header and end mark from its first
// moment, and the file context that records into it. A failed creation leaves no memory and, when
// the file had been made, no file behind.
#include "rawdata/signal_file_creation.h"

#include <dsup.h>

#include "rawdata/calendar_clock.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/file_path.h"
#include "rawdata/header_builder.h"
#include "rawdata/header_text.h"
#include "rawdata/sampling_rate.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

HGLOBAL allocateContext(WORD cacheSize, WORD& capacity) {
  capacity = cacheSize;
  if (HGLOBAL block = GlobalAlloc(GHND, contextFixedSize + cacheSize)) return block;
  capacity = minimumSignalCache;
  return GlobalAlloc(GHND, contextFixedSize + minimumSignalCache);
}

void setUpContext(RwdFileContext& context, const SignalFileRequest& arguments, WORD capacity, FLOAT rate) {
  context.cacheCapacity = capacity;
  context.previousValue = 0;
  context.previousValueInFile = 0;
  context.indexMemory = nullptr;
  context.storeFirstValue = 1;
  context.fileType = arguments.fileType;
  resetPointStatistics(context);
  context.pointCount = 0;
  context.sideFileCreated = 0;
  context.sampleInterval = sampleIntervalOf(rate);
  copyText(context.fileName, arguments.fileName);
  copyText(context.sideFileDirectory, arguments.sideFileDirectory);
  copyText(context.tagText, arguments.tagText);
  RwdInitCache(&context);
}

// Creates the file and writes the header image; on a short write the half-made file is deleted.
bool createFileWithHeader(RwdFileContext& context, const WCHAR* path) {
  context.fileHandle = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  if (context.fileHandle == INVALID_HANDLE_VALUE) return false;
  const DWORD headerBytes = signalHeaderSize + (hasEndMark(context.fileType) ? endMarkSize : 0);
  DWORD written = 0;
  if (WriteFile(context.fileHandle, cacheOf(context), headerBytes, &written, nullptr) && written == headerBytes)
    return true;
  CloseHandle(context.fileHandle);
  DeleteFileW(path);
  return false;
}

RwdHeaderParameters headerParametersOf(const SignalFileRequest& request) {
  RwdHeaderParameters parameters{};
  // A text2492 that does not fit its field is left out, so a longer one must not be cut to fit.
  if (boundedLength(request.text2492, texts::text2492.limit + 1) <= texts::text2492.limit)
    copyText(parameters.text2492, request.text2492);
  copyText(parameters.dateTime, request.dateTime);
  copyText(parameters.text1880, request.text1880);
  copyText(parameters.text858, request.text858);
  copyText(parameters.text2574, request.text2574);
  parameters.bottleNumber = request.bottleNumber;
  parameters.word252 = request.word252;
  parameters.word256 = request.word256;
  return parameters;
}

HGLOBAL createHandle(const SignalFileRequest& request, SignalCache cache) {
  if (!isSignalFileType(request.fileType)) return nullptr;
  WCHAR path[filePathUnits];
  if (!joinFilePath(request.directory, request.fileName, path)) return nullptr;
  const std::optional<FLOAT> rate = decodeSamplingRate(request.fileType, request.rateCode);
  if (!rate) return nullptr;

  WORD capacity = 0;
  HGLOBAL handle = allocateContext(cache == SignalCache::fromRate ? signalCacheSize(*rate) : minimumSignalCache, capacity);
  if (!handle) return nullptr;
  auto* context = static_cast<RwdFileContext*>(GlobalLock(handle));
  if (!context) {
    GlobalFree(handle);
    return nullptr;
  }
  setUpContext(*context, request, capacity, *rate);
  const RwdHeaderParameters parameters = headerParametersOf(request);
  RwdBuildHeader(context, &parameters);
  RwdBuildSignalHeader(context, request.rateCode, request.text4172, request.text4213, request.factor4732);
  const bool created = createFileWithHeader(*context, path);
  context->lastFlushTime = calendarSeconds();
  GlobalUnlock(handle);
  if (created) return handle;
  GlobalFree(handle);
  return nullptr;
}

}  // namespace

HGLOBAL createSignalFile(const SignalFileRequest& request, SignalCache cache) {
  HGLOBAL handle = createHandle(request, cache);
  if (!handle && request.status) *request.status = statusCreateFailed;
  return handle;
}

}  // namespace dsup

extern "C" HGLOBAL DSUP_CALL DSupRwdCreateRawdataFile(
    LPCWSTR text2492, DWORD rateCode, LPCWSTR text4172, LPCWSTR text4213, double factor4732, LPCWSTR directory,
    LPCWSTR fileName, LPCWSTR sideFileDirectory, LONG* status, LONG fileType, LPCWSTR tagText, LPCWSTR text1880,
    LPCWSTR text858, LPCWSTR text2574, LPCWSTR dateTime, LONG bottleNumber, WORD word252, WORD word256) noexcept {
  return dsup::createSignalFile({text2492, rateCode, text4172, text4213, factor4732, directory, fileName,
                                 sideFileDirectory, status, fileType, tagText, text1880, text858, text2574, dateTime,
                                 bottleNumber, word252, word256},
                                dsup::SignalCache::fromRate);
}
