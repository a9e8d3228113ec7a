// Positioned reads and writes of the open data file, and the 32-bit and 16-bit header field access
// that the header refresh and the header field writers share. Every access positions the file
// first, so no operation relies on where another one left the file pointer.
#pragma once

#include <windows.h>

namespace dsup {

// Writes `size` bytes at `offset` from the start of the file. True only when all were written.
bool writeAt(HANDLE file, DWORD offset, const void* bytes, DWORD size);

// Writes the 16-bit value big-endian at `offset`: 0 when both bytes were written, else 4.
LONG RwdWriteShortToFile(HANDLE file, DWORD offset, WORD value);

// The file's length: the file pointer is moved to the end.
DWORD fileLengthAtEnd(HANDLE file);

// Cuts the file back to `length` bytes after an append that did not reach it completely; with
// `endMark` its last two bytes become the end mark again, so the file ends as before the append.
void cutBackTo(HANDLE file, DWORD length, bool endMark);

// The file's length in 512-byte blocks, rounded up (the header's blockCount).
DWORD RwdFileBlockCount(HANDLE file);

}  // namespace dsup
