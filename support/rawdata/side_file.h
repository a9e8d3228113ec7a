// The side file of a spectra file: where the entries of the record index go when the index block
// in memory is full, until the file is finished. It holds nothing but entries, 10 bytes each, in
// the order in which they were added; it exists from the first spill until the file is closed, and
// is opened and closed around every spill and finish.
#pragma once

#include <windows.h>

struct RwdFileContext;

namespace dsup {

// Opens the side file to append entries, positioned at its end: at the first spill it builds the
// path (the side directory and the file name, cut at the last full stop, with ".tmp", see
// side_file_registry.h), creates the file (replacing one of that name) and sets sideFileCreated;
// afterwards it reopens the existing file. Returns the handle, or INVALID_HANDLE_VALUE with
// `status` set to 106 (no full stop after the path's first character), 101 (the file could not be
// created, or no side file name is free) or 102 (the existing file could not be opened).
HANDLE openSideFileForSpill(RwdFileContext& context, LONG& status);

// Opens the existing side file to read its entries. Returns INVALID_HANDLE_VALUE when it cannot.
HANDLE RwdOpenSideFile(const RwdFileContext& context);

// Clears sideFileCreated, deletes the side file and gives its name back.
void RwdDeleteSideFile(RwdFileContext& context);

}  // namespace dsup
