// Finishing a spectra file: its record index is written behind the last record, over the end mark,
// and the header points to it. Closing finishes the data file; a snapshot finishes its copy.
#pragma once

#include <windows.h>

struct RwdFileContext;

namespace dsup {

// Writes the record index over the end mark of `target` (the data file, or a snapshot's copy of it
// as it stood after a flush): the head, the entries (those of the side file, then those in memory)
// and the zero tail; then sets dataOffset to the index's offset and refreshes indexOffset and
// spectrumTotal in the header. The side file and the index block are left as they are.
// Returns 0; 4 when the context is not a spectra file's or a read, write or open failed; 8 when the
// index block cannot be locked; or the header refresh's status. After a failure `target` ends as
// before, with its records and end mark and indexOffset 0: a file still being recorded.
// REQUIRES: the context is locked and its cache empty.
LONG RwdWriteSpectrumIndex(RwdFileContext& context, HANDLE target);

}  // namespace dsup
