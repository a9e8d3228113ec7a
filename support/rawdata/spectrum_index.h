// The record index of a spectra file while it is recorded: a block of movable memory behind the
// context's indexMemory that holds the head (D, 0, the index length) and the entries not yet moved
// to the side file. spectrumCount counts exactly the entries that the block and the side file hold;
// the length in the head, 6 + 10 × spectrumCount, is written from it.
#pragma once

#include <windows.h>

struct RwdFileContext;

namespace dsup {

// A new index block with its head and no entry; 0 when it cannot be made.
HGLOBAL createIndexBlock();

// Writes the index length of `entries` entries into the head of a locked index block.
void storeIndexLength(BYTE* block, DWORD entries);

// Appends the entry of `record` (a spectrum record in the cache, which starts at dataOffset):
// first moving the entries to the side file when the block would reach 2048 bytes or cannot grow.
// Returns 0; 2000 + the spill's status; 2008 when the block cannot be resized even for one entry;
// 2010 when it cannot be locked. After a failure the record has no entry.
LONG RwdAddSpectrumIndexEntry(RwdFileContext& context, const BYTE* record);

// Moves the entries in memory to the side file (see side_file.h). Returns 0, or 101, 102, 104, 106
// (side file) or 110 (the block cannot be locked). Entries that could not be moved are given up:
// they leave spectrumCount as well, so that the index counts exactly the entries it holds.
LONG RwdSpillSpectrumIndex(RwdFileContext& context);

}  // namespace dsup
