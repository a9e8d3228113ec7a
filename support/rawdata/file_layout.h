// The byte layout of the raw data files: file types, header field offsets, text fields with their
// limits, sizes of the header sections, the end mark and the 512-byte file blocks. The header
// builders, the header field writers and the cache's header refresh all take their numbers from
// here. Header numbers are big-endian; header texts are a length byte and UTF-16 code units.
#pragma once

#include <windows.h>

namespace dsup {

// ---- File types ----------------------------------------------------------------------------

inline constexpr LONG fileTypeGcIntegers = 108;    // integer points in difference blocks, GC
inline constexpr LONG fileTypeLcIntegers = 130;    // integer points in difference blocks, LC
inline constexpr LONG fileTypeSpectra = 131;       // spectrum records and a record index
inline constexpr LONG fileTypeGcDoubles = 179;     // raw little-endian doubles, no end mark
inline constexpr LONG fileTypeGcIntegers48 = 181;  // 48-bit integers made from doubles

constexpr bool isSignalFileType(LONG type) {
  return type == fileTypeGcIntegers || type == fileTypeLcIntegers || type == fileTypeGcDoubles ||
         type == fileTypeGcIntegers48;
}

constexpr bool isKnownFileType(LONG type) { return isSignalFileType(type) || type == fileTypeSpectra; }

constexpr bool usesDifferenceBlocks(LONG type) {
  return type == fileTypeGcIntegers || type == fileTypeLcIntegers;
}

// Every type but 179 closes its data with the end mark, which each append overwrites.
constexpr bool hasEndMark(LONG type) { return type != fileTypeGcDoubles; }

// Types 179 and 181 keep their start and end times as 32-bit floats, the others as integers.
constexpr bool hasFloatTimes(LONG type) { return type == fileTypeGcDoubles || type == fileTypeGcIntegers48; }

// The header's signalCode by signal file type.
constexpr DWORD signalCodeOf(LONG type) {
  switch (type) {
    case fileTypeGcIntegers: return 2;
    case fileTypeLcIntegers: return 3;
    case fileTypeGcIntegers48: return 4;
    default: return 5;  // fileTypeGcDoubles
  }
}

// ---- Sizes ---------------------------------------------------------------------------------

inline constexpr DWORD firstSectionSize = 4096;
inline constexpr DWORD secondSectionSize = 2048;
inline constexpr DWORD signalHeaderSize = firstSectionSize + secondSectionSize;  // data starts here
inline constexpr DWORD spectraHeaderSize = firstSectionSize;
inline constexpr DWORD endMarkSize = 2;
inline constexpr DWORD fileBlockSize = 512;
// dataStartBlock: 1 + data start / 512.
inline constexpr DWORD signalDataStartBlock = 1 + signalHeaderSize / fileBlockSize;
inline constexpr DWORD spectraDataStartBlock = 1 + spectraHeaderSize / fileBlockSize;

// ---- Header fields (byte offsets from the start of the file) ---------------------------------

namespace offsets {
inline constexpr DWORD typeNumberAscii = 0;
inline constexpr DWORD bottleNumberLong = 244;
inline constexpr DWORD fileTypeNumber = 248;
inline constexpr DWORD word252 = 252;
inline constexpr DWORD bottleNumber = 254;
inline constexpr DWORD word256 = 256;
inline constexpr DWORD indexFlag = 258;
inline constexpr DWORD indexOffset = 260;
inline constexpr DWORD dataStartBlock = 264;
inline constexpr DWORD blockCount = 278;     // signal files
inline constexpr DWORD spectrumTotal = 278;  // spectra files
inline constexpr DWORD startTime = 282;
inline constexpr DWORD endTime = 286;
inline constexpr DWORD maxValueA = 290;
inline constexpr DWORD minValueA = 294;
inline constexpr DWORD maxValueB = 298;
inline constexpr DWORD minValueB = 302;
inline constexpr DWORD glpFlag = 314;
inline constexpr DWORD firstSectionLength = 318;
inline constexpr DWORD word322 = 322;
inline constexpr DWORD spectrumKind = 342;
inline constexpr DWORD glpNumber = 3085;   // signal files
inline constexpr DWORD value3085 = 3085;   // spectra files
inline constexpr DWORD spectrumKindCopy = 3134;
inline constexpr DWORD glpByte = 3600;
inline constexpr DWORD secondSectionLength = 4096;
inline constexpr DWORD word4100 = 4100;
inline constexpr DWORD firstValueMarker = 4104;
inline constexpr DWORD word4106 = 4106;
inline constexpr DWORD firstValueField = 4110;
inline constexpr DWORD minValueC = 4114;
inline constexpr DWORD maxValueC = 4118;
inline constexpr DWORD rateCode = 4122;
inline constexpr DWORD signalCode = 4134;
inline constexpr DWORD double4724 = 4724;
inline constexpr DWORD factor4732 = 4732;
inline constexpr DWORD dataTypeField = 5524;
}  // namespace offsets

// Fixed values that creation writes into every header.
inline constexpr DWORD word322Value = 1;
inline constexpr DWORD word4100Value = 1;
inline constexpr WORD word4106Value = 2;
inline constexpr BYTE firstValueMarkerSet = 1;
inline constexpr DWORD glpFlagSet = 1;

// A text field: its offset, the most code units the library stores there, and its room (the code
// units that fit before the next field). Nothing is ever written past the limit.
struct TextField {
  DWORD offset;
  DWORD limit;
  DWORD room;
};

namespace texts {
inline constexpr TextField typeNumberText{326, 3, 10};
inline constexpr TextField kindText{347, 18, 255};
inline constexpr TextField text858{858, 62, 255};
inline constexpr TextField barcode{1369, 127, 255};
inline constexpr TextField text1880{1880, 30, 167};
inline constexpr TextField inlet{2215, 87, 87};
inline constexpr TextField dateTime{2391, 49, 50};
inline constexpr TextField text2492{2492, 9, 20};
inline constexpr TextField techniqueText{2533, 8, 20};
inline constexpr TextField text2574{2574, 44, 255};
inline constexpr TextField glpText1{3089, 31, 255};
inline constexpr TextField glpText2{3601, 49, 100};
inline constexpr TextField glpText3{3802, 19, 146};
inline constexpr TextField text3093{3093, 15, 20};
inline constexpr TextField text3136{3136, 61, 255};
inline constexpr TextField text4172{4172, 20, 20};
inline constexpr TextField text4213{4213, 255, 255};
}  // namespace texts

constexpr bool limitsWithinRooms() {
  constexpr TextField fields[] = {texts::typeNumberText, texts::kindText, texts::text858, texts::barcode,
                                  texts::text1880, texts::inlet, texts::dateTime, texts::text2492,
                                  texts::techniqueText, texts::text2574, texts::glpText1, texts::glpText2,
                                  texts::glpText3, texts::text3093, texts::text3136, texts::text4172, texts::text4213};
  for (const TextField& field : fields)
    if (field.limit > field.room) return false;
  return true;
}
static_assert(limitsWithinRooms(), "a text field's limit must fit its room");

// The most bytes a text field takes: its length byte and 255 code units.
inline constexpr DWORD largestTextFieldBytes = 1 + 2 * 255;

// The type number at offset 0 is single-byte text: a length byte and up to 3 characters.
inline constexpr DWORD typeNumberAsciiLimit = 3;

}  // namespace dsup
