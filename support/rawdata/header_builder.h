// The header builders: the first section of every raw data file and the second section of signal
// files, built into the context's cache area, from which creation writes the header in one piece.
#pragma once

#include <dsup.h>

namespace dsup {

// Writes the first section (file offsets 0 to 4095) into the cache, for the context's fileType,
// with the texts of the library's string table and the fields of `parameters`; type 131 also gets
// its spectra fields. REQUIRES: the cache is zero-filled and at least 4096 bytes long.
void RwdBuildHeader(RwdFileContext* context, const RwdHeaderParameters* parameters);

// Writes the second section (file offsets 4096 to 6143) of a signal file behind the first.
// REQUIRES: the cache is zero-filled and at least 6144 bytes long.
void RwdBuildSignalHeader(RwdFileContext* context, DWORD rateCode, LPCWSTR text4172,
                          LPCWSTR text4213, double factor4732);

}  // namespace dsup
