// The reader of spectra files (type 131): an independent decoder and verifier, written from the
// file format and sharing no code with the library that writes the files. It decodes the header,
// every spectrum record (both codings, every kind) and, in a finished file, the record index, and
// checks the invariants between them: records that fill the data without gaps, the end mark of a
// file still being recorded, the index head and length, the zero tail, spectrumTotal, and each
// entry's offset, descriptor value and fourth field against its record.
//
// Like the signal reader it takes bytes, never trusts them and never reads outside them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "decoded_file.h"

namespace dsupreader {

struct SpectrumRecord {
  std::uint32_t offset = 0;
  bool differences = false;  // "C"; else "A"
  std::uint16_t length = 0;
  std::int32_t descriptorValue = 0;
  std::array<std::uint16_t, 4> fields{};
  std::optional<std::array<std::uint8_t, 4>> extension;  // kinds 1 and 2
  std::vector<std::int32_t> values;
};

struct IndexEntry {
  std::uint32_t offset = 0;
  std::int32_t descriptorValue = 0;
  std::uint16_t fourthField = 0;
};

struct SpectraFile : DecodedFile {
  std::uint16_t spectrumKind = 0;
  bool finished = false;  // the file ends in its record index
  std::vector<SpectrumRecord> records;
  std::vector<IndexEntry> index;
};

// Decodes and verifies the bytes of a spectra file.
SpectraFile readSpectraFile(std::span<const std::uint8_t> bytes);

// Whether the bytes name themselves a spectra file (file type 131 in the header).
bool isSpectraFile(std::span<const std::uint8_t> bytes);

}  // namespace dsupreader
