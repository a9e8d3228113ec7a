// The steps of reading a raw data file, each in its own file: decoding the header, decoding the
// points or records, and checking the invariants that tie them together.
#pragma once

#include <span>

#include "byte_view.h"
#include "signal_format.h"
#include "signal_reader.h"
#include "spectra_reader.h"

namespace dsupreader {

// Decodes the fields every raw data file has and `ownFields` into file.header, by offset, and sets
// file.fileType. REQUIRES: the bytes hold the fields.
void decodeHeaderFields(const ByteView& bytes, std::span<const format::Field> ownFields, DecodedFile& file);

// Add a violation unless the header field holds the value.
void expectInteger(DecodedFile& file, const char* name, std::int64_t expected);
void expectText(DecodedFile& file, const char* name, const std::u16string& expected);

// The type number as the header's texts hold it ("131").
std::u16string typeNumberText(std::int32_t fileType);

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

// Spectra files: the header's fixed values; the records between `from` and `to`; the record index
// at `at` (up to the end of the file) and its entries against the records.
void checkSpectraIdentity(SpectraFile& file);
void decodeRecords(const ByteView& bytes, std::size_t from, std::size_t to, SpectraFile& file);
void decodeIndex(const ByteView& bytes, std::size_t at, SpectraFile& file);
void checkIndexAgainstRecords(SpectraFile& file);

}  // namespace dsupreader
