// The header field writers: fields known only after creation are written straight into the file
// at their offsets, not through the cache, so they neither flush nor disturb it.
#include <dsup.h>

#include "rawdata/byte_order.h"
#include "rawdata/call_guard.h"
#include "rawdata/file_access.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/header_text.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

// The length byte and the code units go out in one write, so a failed write leaves the old text
// whole. Texts are cut to the field's limit.
LONG writeTextField(HANDLE file, TextField field, LPCWSTR text) {
  BYTE encoded[largestTextFieldBytes];
  const DWORD size = encodeText(encoded, field, text);
  return writeAt(file, field.offset, encoded, size) ? statusOk : statusWriteFailed;
}

template <class Write>
LONG withLockedContext(HGLOBAL handle, Write write) {
  const CallGuard guard(handle);
  ContextLock context(handle);
  if (!context) return statusLockFailed;
  return write(*context);
}

LONG writeText(HGLOBAL handle, TextField field, LPCWSTR text) {
  return withLockedContext(handle, [&](RwdFileContext& context) { return writeTextField(context.fileHandle, field, text); });
}

LONG writeShort(HGLOBAL handle, DWORD offset, WORD value) {
  return withLockedContext(handle, [&](RwdFileContext& context) { return RwdWriteShortToFile(context.fileHandle, offset, value); });
}

// In a spectra file the offsets of the data type and GLP fields lie in its records and in its own
// header fields, so these writers refuse a spectra file.
LONG writeGlpFields(RwdFileContext& context, LONG number, BYTE byte, LPCWSTR text1, LPCWSTR text2, LPCWSTR text3) {
  if (context.fileType == fileTypeSpectra) return statusWriteFailed;
  HANDLE file = context.fileHandle;
  if (const LONG status = RwdWriteLongToFile(file, offsets::glpFlag, glpFlagSet)) return status;
  if (const LONG status = RwdWriteLongToFile(file, offsets::glpNumber, number)) return status;
  if (const LONG status = writeTextField(file, texts::glpText1, text1)) return status;
  if (!writeAt(file, offsets::glpByte, &byte, sizeof byte)) return statusWriteFailed;
  if (const LONG status = writeTextField(file, texts::glpText2, text2)) return status;
  return writeTextField(file, texts::glpText3, text3);
}

// The end time follows the start time: the header refresh computes it as start time + duration,
// so a start time that arrives after data is added to what the header holds.
LONG writeStartTime(RwdFileContext& context, LONG startTime) {
  HANDLE file = context.fileHandle;
  if (RwdWriteLongToFile(file, offsets::startTime, startTime)) return statusWriteFailed;
  LONG readFailed = 0;
  const LONG endTime = RwdReadLongFromFile(file, offsets::endTime, &readFailed);
  if (readFailed) return statusHeaderReadFailed;
  const LONG sum = hasFloatTimes(context.fileType)
                       ? bitsOf(floatOf(endTime) + floatOf(startTime))
                       : static_cast<LONG>(static_cast<DWORD>(endTime) + static_cast<DWORD>(startTime));
  return RwdWriteLongToFile(file, offsets::endTime, sum);
}

}  // namespace

}  // namespace dsup

extern "C" {

LONG DSUP_CALL DSupRwdWriteBarcode(HGLOBAL handle, LPCWSTR barcode) noexcept {
  return dsup::writeText(handle, dsup::texts::barcode, barcode);
}

LONG DSUP_CALL DSupRwdWriteBottleNumber(HGLOBAL handle, WORD bottleNumber) noexcept {
  return dsup::writeShort(handle, dsup::offsets::bottleNumber, bottleNumber);
}

LONG DSUP_CALL DSupRwdWriteDateTime(HGLOBAL handle, LPCWSTR dateTime) noexcept {
  return dsup::writeText(handle, dsup::texts::dateTime, dateTime);
}

LONG DSUP_CALL DSupRwdWriteDataType(HGLOBAL handle, WORD dataType) noexcept {
  return dsup::withLockedContext(handle, [&](RwdFileContext& context) {
    if (context.fileType == dsup::fileTypeSpectra) return dsup::statusWriteFailed;
    return dsup::RwdWriteShortToFile(context.fileHandle, dsup::offsets::dataTypeField, dataType);
  });
}

LONG DSUP_CALL DSupRwdWriteGLPInfo(HGLOBAL handle, LONG number, BYTE byte, LPCWSTR text1, LPCWSTR text2,
                                   LPCWSTR text3) noexcept {
  return dsup::withLockedContext(handle, [&](RwdFileContext& context) {
    return dsup::writeGlpFields(context, number, byte, text1, text2, text3);
  });
}

LONG DSUP_CALL DSupRwdWriteInlet(HGLOBAL handle, LPCWSTR inlet) noexcept {
  return dsup::writeText(handle, dsup::texts::inlet, inlet);
}

LONG DSUP_CALL DSupRwdWriteStartTime(HGLOBAL handle, LONG startTime) noexcept {
  return dsup::withLockedContext(handle, [&](RwdFileContext& context) { return dsup::writeStartTime(context, startTime); });
}

}  // extern "C"
