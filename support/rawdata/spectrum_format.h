// The byte layout of what a spectra file holds behind its header: spectrum records, the record
// index that finishes the file, and the index entries of the side file. Unlike the header, all of
// it is little-endian.
#pragma once

#include <windows.h>

#include "rawdata/difference_blocks.h"

namespace dsup {

// ---- Spectrum records ----------------------------------------------------------------------

inline constexpr BYTE recordLetterDifferences = 0x43;  // "C"
inline constexpr BYTE recordLetterAbsolute = 0x41;     // "A"

namespace recordOffsets {
inline constexpr DWORD letter = 0;
inline constexpr DWORD length = 2;  // 16-bit: the whole record, header included
inline constexpr DWORD descriptorValue = 4;
inline constexpr DWORD descriptorFields = 8;  // four 16-bit fields
inline constexpr DWORD fourthField = 14;
inline constexpr DWORD extensionLength = 16;  // kinds 1 and 2
inline constexpr DWORD extension = 18;
}  // namespace recordOffsets

inline constexpr WORD plainRecordHeaderSize = 16;
inline constexpr WORD extendedRecordHeaderSize = 22;
inline constexpr WORD extensionSize = 4;
inline constexpr WORD descriptorFieldCount = 4;

// Kinds 1 and 2 carry the descriptor's 4-byte extension in every record header.
inline constexpr WORD spectrumKindExtension32 = 1;
inline constexpr WORD spectrumKindExtension16 = 2;

constexpr bool hasExtension(WORD kind) { return kind == spectrumKindExtension32 || kind == spectrumKindExtension16; }
constexpr WORD recordHeaderSize(WORD kind) { return hasExtension(kind) ? extendedRecordHeaderSize : plainRecordHeaderSize; }

// Absolute records hold each value in 4 bytes; difference-coded ones in 2, or 6 with the escape.
inline constexpr WORD absoluteValueSize = 4;
inline constexpr WORD largestValueSize = absoluteRecordSize;

// The record length is 16-bit and the cache must hold the record and the end mark: at most 10918
// values in one record, whatever its kind.
inline constexpr DWORD largestRecordRoom = 65535;
inline constexpr DWORD recordRoomBeyondValues = extendedRecordHeaderSize + 2;  // header and end mark
inline constexpr LONG largestValueCount = (largestRecordRoom - recordRoomBeyondValues) / largestValueSize;

// ---- Record index --------------------------------------------------------------------------

inline constexpr BYTE indexLetter = 0x44;  // "D"

// The context's indexOpen (and the header's indexFlag) while a spectra file's records are indexed.
inline constexpr WORD indexOpenFlag = 1;

namespace indexOffsets {
inline constexpr DWORD letter = 0;
inline constexpr DWORD length = 2;  // 32-bit: head and entries
inline constexpr DWORD entries = 6;
}  // namespace indexOffsets

inline constexpr DWORD indexHeadSize = 6;

// An entry: the record's file offset (32-bit), its descriptor value (32-bit) and its fourth
// descriptor field (16-bit).
inline constexpr DWORD indexEntrySize = 10;
namespace entryOffsets {
inline constexpr DWORD recordOffset = 0;
inline constexpr DWORD descriptorValue = 4;
inline constexpr DWORD fourthField = 8;
}  // namespace entryOffsets

// Zero bytes behind the entries of a finished index: 2 when every entry stayed in memory, 4 when
// the entries came through the side file.
inline constexpr DWORD indexTailFromMemory = 2;
inline constexpr DWORD indexTailFromSideFile = 4;

// The index block in memory holds the head, its entries and the zero bytes that the finish writes
// behind them from the block. Rather than reach 2048 bytes it moves its entries to the side file,
// so it holds at most 203 entries.
inline constexpr DWORD indexBlockLimit = 2048;

constexpr DWORD indexBlockSizeFor(DWORD entries) { return indexHeadSize + entries * indexEntrySize + indexTailFromSideFile; }
constexpr DWORD indexLengthFor(DWORD entries) { return indexHeadSize + entries * indexEntrySize; }

}  // namespace dsup
