// The spectra file format as the reader knows it: the header fields of type 131, the spectrum
// records behind the header and the record index that finishes the file. Records and index are
// little-endian, unlike the header.
#pragma once

#include <cstddef>
#include <cstdint>

#include "signal_format.h"

namespace dsupreader::format {

inline constexpr std::size_t spectraHeaderSize = 4096;  // records start here
inline constexpr std::uint32_t spectraDataStartBlock = 9;
inline constexpr std::uint16_t indexFlagSet = 1;
inline constexpr const char16_t* spectraKindText = u"LC DATA FILE";
inline constexpr const char16_t* spectraTechniqueText = u"LC";

// Records: a letter ("C" difference-coded, "A" absolute), a zero byte, the 16-bit length of the
// whole record, the descriptor value (32-bit) and four 16-bit fields; kinds 1 and 2 add the length
// of their extension (4) and the extension's 4 bytes. Then the values.
inline constexpr std::uint8_t recordLetterDifferences = 0x43;
inline constexpr std::uint8_t recordLetterAbsolute = 0x41;
inline constexpr std::size_t plainRecordHeaderSize = 16;
inline constexpr std::size_t extendedRecordHeaderSize = 22;
inline constexpr std::size_t recordFieldsOffset = 8;
inline constexpr std::size_t recordExtensionLengthOffset = 16;
inline constexpr std::size_t recordExtensionOffset = 18;
inline constexpr std::uint16_t extensionLength = 4;
inline constexpr std::size_t absoluteValueSize = 4;
inline constexpr std::int32_t largestDifference = 32767;

constexpr bool hasExtension(std::uint16_t kind) { return kind == 1 || kind == 2; }

// The index: "D", a zero byte, the 32-bit length of head and entries, then 10-byte entries (record
// offset, descriptor value, fourth descriptor field), then 2 zero bytes when every entry was kept
// in memory or 4 when they went through the side file, which they must once more than 203 exist.
inline constexpr std::uint8_t indexLetter = 0x44;
inline constexpr std::size_t indexHeadSize = 6;
inline constexpr std::size_t indexEntrySize = 10;
inline constexpr std::size_t tailFromMemory = 2;
inline constexpr std::size_t tailFromSideFile = 4;
inline constexpr std::size_t largestEntriesInMemory = 203;

// The fields of spectra files only.
inline constexpr Field spectraFields[] = {
    {"indexFlag", 258, Encoding::word},
    {"indexOffset", 260, Encoding::unsignedInteger},
    {"spectrumTotal", 278, Encoding::unsignedInteger},
    {"spectrumKind", 342, Encoding::word},
    {"value3085", 3085, Encoding::float64},
    {"text3093", 3093, Encoding::text, 15, 20},
    {"spectrumKindCopy", 3134, Encoding::word},
    {"text3136", 3136, Encoding::text, 61, 255},
};

}  // namespace dsupreader::format
