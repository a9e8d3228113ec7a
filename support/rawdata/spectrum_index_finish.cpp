#include "rawdata/spectrum_index_finish.h"

#include <dsup.h>

#include "rawdata/file_access.h"
#include "rawdata/file_context.h"
#include "rawdata/file_layout.h"
#include "rawdata/header_refresh.h"
#include "rawdata/side_file.h"
#include "rawdata/spectrum_format.h"
#include "rawdata/spectrum_index.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

constexpr DWORD copyPieceSize = 1024;

bool writeAll(HANDLE file, const void* bytes, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, bytes, size, &written, nullptr) && written == size;
}

// Every entry is in the block: the head, the entries and the zero word, in one write. The block
// has room for the zero word behind its last entry.
bool writeIndexFromMemory(const RwdFileContext& context, BYTE* block, HANDLE target) {
  const DWORD length = indexLengthFor(context.indexEntryCount);
  for (DWORD i = 0; i < indexTailFromMemory; ++i) block[length + i] = 0;
  return writeAll(target, block, length + indexTailFromMemory);
}

// Exactly the entries that the index counts are copied, in pieces of 1024 bytes: a side file that
// holds fewer fails the finish, and nothing beyond them is written.
bool copyEntries(HANDLE sideFile, HANDLE target, DWORD size) {
  BYTE piece[copyPieceSize];
  while (size > 0) {
    const DWORD wanted = size < copyPieceSize ? size : copyPieceSize;
    DWORD read = 0;
    if (!ReadFile(sideFile, piece, wanted, &read, nullptr) || read != wanted) return false;
    if (!writeAll(target, piece, wanted)) return false;
    size -= wanted;
  }
  return true;
}

// The head, the entries of the side file, those still in memory and the zero tail follow each other.
// The entries in memory are written from the block rather than moved to the side file first, so
// that a failure of the side file cannot cost them.
bool writeIndexThroughSideFile(const RwdFileContext& context, const BYTE* block, HANDLE target) {
  if (!writeAll(target, block, indexHeadSize)) return false;
  HANDLE sideFile = RwdOpenSideFile(context);
  if (sideFile == INVALID_HANDLE_VALUE) return false;
  const DWORD entriesInMemory = context.indexEntryCount;
  const bool copied = copyEntries(sideFile, target, (context.spectrumCount - entriesInMemory) * indexEntrySize);
  CloseHandle(sideFile);
  constexpr BYTE tail[indexTailFromSideFile] = {};
  return copied && writeAll(target, block + indexOffsets::entries, entriesInMemory * indexEntrySize) &&
         writeAll(target, tail, indexTailFromSideFile);
}

}  // namespace

LONG RwdWriteSpectrumIndex(RwdFileContext& context, HANDLE target) {
  if (context.fileType != fileTypeSpectra) return statusWriteFailed;
  auto* block = static_cast<BYTE*>(GlobalLock(context.indexMemory));
  if (!block) return statusLockFailed;
  const DWORD length = fileLengthAtEnd(target);
  const DWORD indexOffset = length - endMarkSize;
  SetFilePointer(target, static_cast<LONG>(indexOffset), nullptr, FILE_BEGIN);
  storeIndexLength(block, context.spectrumCount);
  const bool written = context.sideFileCreated ? writeIndexThroughSideFile(context, block, target)
                                               : writeIndexFromMemory(context, block, target);
  GlobalUnlock(context.indexMemory);
  if (!written) {
    cutBackTo(target, length, true);
    return statusWriteFailed;
  }
  // With the cache empty, the next record would start where the index starts: the value is the
  // same for the data file and for a snapshot's copy, so recording goes on at the right offset.
  context.dataOffset = indexOffset;
  const LONG status = RwdUpdateHeader(target, &context);
  if (status != statusOk) {
    cutBackTo(target, length, true);
    RwdWriteLongToFile(target, static_cast<LONG>(offsets::indexOffset), 0);
  }
  return status;
}

}  // namespace dsup
