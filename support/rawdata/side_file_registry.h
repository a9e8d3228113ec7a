// The side files that the spectra files of this process use now. Two spectra files recorded at the
// same time with the same file name into the same side directory would otherwise share one side
// file and mix their index entries. The registry gives each a side file of its own: the first gets
// the plain name (RUN1.tmp), a second one recorded while the first is open gets a distinguishing
// suffix (RUN1~1.tmp, then RUN1~2.tmp, ...). Paths are compared without regard to the case of
// ASCII letters and to the kind of path separator, as the file system compares names.
//
// Module-wide state: spectra files recorded on several threads at once claim and release their side
// files under one lock of the registry's own.
#pragma once

#include <windows.h>

#include <cstddef>

#include "rawdata/file_context.h"

namespace dsup {

// Side files that the spectra files of one process may use at the same time.
inline constexpr std::size_t sideFilesInUseLimit = 32;

// Claims the side file for `stem` (the joined side directory and file name, cut at the file name's
// last full stop): writes `stem` + ".tmp", or the first suffixed name that no spectra file of this
// process uses, to `path`. False, with nothing claimed, when every slot is taken or the path does
// not fit.
bool claimSideFilePath(const WCHAR* stem, std::size_t stemLength, WCHAR (&path)[sideFilePathUnits]);

// Gives a claimed path back; a spectra file created later may use it again.
void releaseSideFilePath(const WCHAR* path);

}  // namespace dsup
