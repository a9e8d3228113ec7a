#include "rawdata/spectrum_index.h"

#include <cstring>

#include "rawdata/byte_order.h"
#include "rawdata/file_context.h"
#include "rawdata/side_file.h"
#include "rawdata/spectrum_format.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

bool resizeIndexBlock(RwdFileContext& context, DWORD size) {
  HGLOBAL resized = GlobalReAlloc(context.indexMemory, size, GMEM_MOVEABLE | GMEM_ZEROINIT);
  if (!resized) return false;
  context.indexMemory = resized;
  return true;
}

// A short write is cut off again, so that the side file holds whole entries only and the next
// spill appends behind the last of them.
bool appendEntries(HANDLE sideFile, const BYTE* entries, DWORD size) {
  const DWORD lengthBefore = SetFilePointer(sideFile, 0, nullptr, FILE_END);
  DWORD written = 0;
  if (WriteFile(sideFile, entries, size, &written, nullptr) && written == size) return true;
  SetFilePointer(sideFile, static_cast<LONG>(lengthBefore), nullptr, FILE_BEGIN);
  SetEndOfFile(sideFile);
  return false;
}

LONG moveEntriesToSideFile(RwdFileContext& context) {
  const auto* block = static_cast<const BYTE*>(GlobalLock(context.indexMemory));
  if (!block) return statusSpillLockFailed;
  LONG status = statusOk;
  HANDLE sideFile = openSideFileForSpill(context, status);
  if (sideFile != INVALID_HANDLE_VALUE) {
    const DWORD size = DWORD{context.indexEntryCount} * indexEntrySize;
    if (!appendEntries(sideFile, block + indexOffsets::entries, size)) status = statusSideFileWriteFailed;
    // The entries are written whole or cut off: what the side file holds is what the index counts,
    // whatever closing it reports.
    CloseHandle(sideFile);
  }
  GlobalUnlock(context.indexMemory);
  return status;
}

}  // namespace

HGLOBAL createIndexBlock() {
  HGLOBAL handle = GlobalAlloc(GHND, indexBlockSizeFor(0));
  if (!handle) return nullptr;
  auto* block = static_cast<BYTE*>(GlobalLock(handle));
  if (!block) {
    GlobalFree(handle);
    return nullptr;
  }
  block[indexOffsets::letter] = indexLetter;
  storeIndexLength(block, 0);
  GlobalUnlock(handle);
  return handle;
}

void storeIndexLength(BYTE* block, DWORD entries) { storeLittleEndian32(block + indexOffsets::length, indexLengthFor(entries)); }

LONG RwdSpillSpectrumIndex(RwdFileContext& context) {
  if (context.indexEntryCount == 0) return statusOk;
  const LONG status = moveEntriesToSideFile(context);
  if (status != statusOk) context.spectrumCount -= context.indexEntryCount;
  context.indexEntryCount = 0;
  return status;
}

LONG RwdAddSpectrumIndexEntry(RwdFileContext& context, const BYTE* record) {
  DWORD size = indexBlockSizeFor(DWORD{context.indexEntryCount} + 1);
  if (size >= indexBlockLimit) {
    if (const LONG status = RwdSpillSpectrumIndex(context)) return statusIndexBase + status;
    size = indexBlockSizeFor(1);
  }
  if (!resizeIndexBlock(context, size)) {
    if (const LONG status = RwdSpillSpectrumIndex(context)) return statusIndexBase + status;
    if (!resizeIndexBlock(context, indexBlockSizeFor(1))) return statusIndexResizeFailed;
  }
  auto* block = static_cast<BYTE*>(GlobalLock(context.indexMemory));
  if (!block) return statusIndexLockFailed;
  BYTE* entry = block + indexOffsets::entries + DWORD{context.indexEntryCount} * indexEntrySize;
  storeLittleEndian32(entry + entryOffsets::recordOffset, context.dataOffset);
  std::memcpy(entry + entryOffsets::descriptorValue, record + recordOffsets::descriptorValue, sizeof(DWORD));
  std::memcpy(entry + entryOffsets::fourthField, record + recordOffsets::fourthField, sizeof(WORD));
  ++context.spectrumCount;
  ++context.indexEntryCount;
  storeIndexLength(block, context.spectrumCount);
  GlobalUnlock(context.indexMemory);
  return statusOk;
}

}  // namespace dsup
