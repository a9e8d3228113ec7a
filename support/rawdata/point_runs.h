// The run encoders of the signal writer, one per data encoding. Each encodes a run of points into
// the write cache from cacheFill on and keeps the statistics that the header refresh writes; the
// writer counts the points. The writer hands over only runs that fit: it has checked the room for
// the first point, and each point takes at most largestPointSize bytes, so every point of the run
// would pass the room check as well.
#pragma once

#include <windows.h>

#include "rawdata/difference_blocks.h"

struct RwdFileContext;

namespace dsup {

// A new block header and an absolute record (types 108 and 130); the records of types 179 and 181
// take as much.
inline constexpr DWORD largestPointSize = blockWordSize + absoluteRecordSize;

// Types 108 and 130: difference blocks of LONG values.
void encodeDifferenceRun(RwdFileContext& context, const LONG* values, DWORD count);
// Type 179: the doubles as they are, little-endian, with FLOAT extremes.
void encodeDoubleRun(RwdFileContext& context, const double* values, DWORD count);
// Type 181: the doubles rounded down to 48-bit integers.
void encodeInteger48Run(RwdFileContext& context, const double* values, DWORD count);

}  // namespace dsup
