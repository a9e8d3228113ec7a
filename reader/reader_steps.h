// The steps of reading a signal file, each in its own file: decoding the header, decoding the
// points, and checking the invariants that tie them together.
#pragma once

#include "byte_view.h"
#include "signal_reader.h"

namespace dsupreader {

// Types 179 and 181 keep times as floats; 179 also keeps its values as floats.
bool hasFloatTimes(std::int32_t fileType);
bool hasFloatValues(std::int32_t fileType);

// Fills file.header, file.fileType and file.sampleInterval. REQUIRES: the bytes hold the header.
void decodeHeader(const ByteView& bytes, SignalFile& file);

// Fills file.points from the data section, reporting damage in its encoding.
void decodePoints(const ByteView& bytes, SignalFile& file);

// Checks the header's fixed values and its summary fields against the points.
void checkHeaderIdentity(SignalFile& file);
void checkSummaryFields(SignalFile& file);

}  // namespace dsupreader
