// DSupRwdCreateRawdataFile: a signal file with its complete header and end mark from its first
// moment, and the file context that records into it. A failed creation leaves no memory and, when
// the file had been made, no file behind.
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

// The arguments of the creation that are not header parameters.
struct SignalArguments {
  DWORD rateCode;
  LPCWSTR text4172;
  LPCWSTR text4213;
  double factor4732;
  LPCWSTR directory;
  LPCWSTR fileName;
  LPCWSTR sideFileDirectory;
  LONG fileType;
  LPCWSTR tagText;
};

HGLOBAL allocateContext(WORD cacheSize, WORD& capacity) {
  capacity = cacheSize;
  if (HGLOBAL block = GlobalAlloc(GHND, contextFixedSize + cacheSize)) return block;
  capacity = minimumSignalCache;
  return GlobalAlloc(GHND, contextFixedSize + minimumSignalCache);
}

void setUpContext(RwdFileContext& context, const SignalArguments& arguments, WORD capacity, FLOAT rate) {
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

HGLOBAL createSignalFile(const SignalArguments& arguments, const RwdHeaderParameters& parameters) {
  if (!isSignalFileType(arguments.fileType)) return nullptr;
  WCHAR path[filePathUnits];
  if (!joinFilePath(arguments.directory, arguments.fileName, path)) return nullptr;
  const std::optional<FLOAT> rate = decodeSamplingRate(arguments.fileType, arguments.rateCode);
  if (!rate) return nullptr;

  WORD capacity = 0;
  HGLOBAL handle = allocateContext(signalCacheSize(*rate), capacity);
  if (!handle) return nullptr;
  auto* context = static_cast<RwdFileContext*>(GlobalLock(handle));
  if (!context) {
    GlobalFree(handle);
    return nullptr;
  }
  setUpContext(*context, arguments, capacity, *rate);
  RwdBuildHeader(context, &parameters);
  RwdBuildSignalHeader(context, arguments.rateCode, arguments.text4172, arguments.text4213, arguments.factor4732);
  const bool created = createFileWithHeader(*context, path);
  context->lastFlushTime = calendarSeconds();
  GlobalUnlock(handle);
  if (created) return handle;
  GlobalFree(handle);
  return nullptr;
}

}  // namespace

}  // namespace dsup

extern "C" HGLOBAL DSUP_CALL DSupRwdCreateRawdataFile(
    LPCWSTR text2492, DWORD rateCode, LPCWSTR text4172, LPCWSTR text4213, double factor4732, LPCWSTR directory,
    LPCWSTR fileName, LPCWSTR sideFileDirectory, LONG* status, LONG fileType, LPCWSTR tagText, LPCWSTR text1880,
    LPCWSTR text858, LPCWSTR text2574, LPCWSTR dateTime, LONG bottleNumber, WORD word252, WORD word256) noexcept {
  RwdHeaderParameters parameters{};
  // A text2492 that does not fit its field is left out, so a longer one must not be cut to fit.
  if (dsup::boundedLength(text2492, dsup::texts::text2492.limit + 1) <= dsup::texts::text2492.limit)
    dsup::copyText(parameters.text2492, text2492);
  dsup::copyText(parameters.dateTime, dateTime);
  dsup::copyText(parameters.text1880, text1880);
  dsup::copyText(parameters.text858, text858);
  dsup::copyText(parameters.text2574, text2574);
  parameters.bottleNumber = bottleNumber;
  parameters.word252 = word252;
  parameters.word256 = word256;

  const dsup::SignalArguments arguments{rateCode, text4172, text4213, factor4732, directory,
                                        fileName, sideFileDirectory, fileType, tagText};
  HGLOBAL handle = dsup::createSignalFile(arguments, parameters);
  if (!handle && status) *status = dsup::statusCreateFailed;
  return handle;
}
