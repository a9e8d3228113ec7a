// The header refresh that runs at every flush of a signal file (and finishes a spectra file): the
// summary fields of the header are rewritten from the file context.
#pragma once

#include <windows.h>

struct RwdFileContext;

namespace dsup {

// Signal files: writes the extremes (A, B and C), the first value and its marker, the block count
// of the file as it stands now, and the end time (start time read back from the file + the
// duration of pointCount points). Spectra files: indexOffset and spectrumTotal. Returns 0, 3 when
// the start time cannot be read, or 4 for the first write that failed; the fields written before
// a failure stay written. REQUIRES: the context is locked; a signal file holds at least one point.
LONG RwdUpdateHeader(HANDLE file, RwdFileContext* context);

}  // namespace dsup
