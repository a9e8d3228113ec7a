#include "rawdata/file_access.h"

#include <dsup.h>

#include "rawdata/byte_order.h"
#include "rawdata/file_layout.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

constexpr DWORD longSize = 4;
constexpr DWORD shortSize = 2;

}  // namespace

bool writeAt(HANDLE file, DWORD offset, const void* bytes, DWORD size) {
  SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN);
  DWORD written = 0;
  return WriteFile(file, bytes, size, &written, nullptr) && written == size;
}

LONG RwdWriteShortToFile(HANDLE file, DWORD offset, WORD value) {
  BYTE image[shortSize];
  storeBigEndian16(image, value);
  return writeAt(file, offset, image, shortSize) ? statusOk : statusWriteFailed;
}

DWORD fileLengthAtEnd(HANDLE file) { return SetFilePointer(file, 0, nullptr, FILE_END); }

void cutBackTo(HANDLE file, DWORD length, bool endMark) {
  constexpr BYTE zeros[endMarkSize] = {};
  if (endMark) writeAt(file, length - endMarkSize, zeros, endMarkSize);
  SetFilePointer(file, static_cast<LONG>(length), nullptr, FILE_BEGIN);
  SetEndOfFile(file);
}

DWORD RwdFileBlockCount(HANDLE file) {
  const DWORD length = fileLengthAtEnd(file);
  return length / fileBlockSize + (length % fileBlockSize ? 1 : 0);
}

}  // namespace dsup

extern "C" {

LONG DSUP_CALL RwdWriteLongToFile(HANDLE file, LONG offset, LONG value) noexcept {
  // A position before the file's start cannot be set: the write would land wherever the last
  // access left the file pointer, inside a header field or the data.
  if (offset < 0) return dsup::statusWriteFailed;
  BYTE image[dsup::longSize];
  dsup::storeBigEndian32(image, static_cast<DWORD>(value));
  return dsup::writeAt(file, static_cast<DWORD>(offset), image, dsup::longSize) ? dsup::statusOk
                                                                                : dsup::statusWriteFailed;
}

LONG DSUP_CALL RwdReadLongFromFile(HANDLE file, LONG offset, LONG* failed) noexcept {
  // As for the write: the value would be read from wherever the last access left the pointer.
  if (offset < 0) {
    if (failed) *failed = 1;
    return 0;
  }
  SetFilePointer(file, offset, nullptr, FILE_BEGIN);
  BYTE image[dsup::longSize] = {};
  DWORD read = 0;
  // Fewer than 4 bytes (an offset at or near the end of the file) is a failure too: the value
  // would be made of bytes that are not in the file.
  const bool complete = ReadFile(file, image, dsup::longSize, &read, nullptr) && read == dsup::longSize;
  if (failed) *failed = complete ? 0 : 1;
  return complete ? static_cast<LONG>(dsup::loadBigEndian32(image)) : 0;
}

}  // extern "C"
