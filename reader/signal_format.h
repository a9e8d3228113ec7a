// The raw data file format as the reader knows it, written from the format description and kept
// apart from the library's own code: the file types, the header fields of every type and of signal
// files with their offsets and encodings, fixed header values, and the signal data encodings'
// markers. Spectra files add theirs in spectra_format.h.
#pragma once

#include <cstddef>
#include <cstdint>

namespace dsupreader::format {

inline constexpr std::int32_t typeGc = 108;          // integer difference blocks
inline constexpr std::int32_t typeLc = 130;          // integer difference blocks
inline constexpr std::int32_t typeSpectra = 131;     // not a signal file
inline constexpr std::int32_t typeDoubles = 179;     // little-endian doubles, no end mark
inline constexpr std::int32_t typeInteger48 = 181;   // 48-bit integer records

inline constexpr std::uint32_t fileTypeOffset = 248;
inline constexpr std::size_t headerSize = 6144;  // the data section starts here
inline constexpr std::size_t blockSize = 512;
inline constexpr std::size_t endMarkSize = 2;
inline constexpr std::uint32_t dataStartBlock = 13;
inline constexpr std::uint32_t firstSectionLength = 4096;
inline constexpr std::uint32_t secondSectionLength = 2048;
inline constexpr std::uint32_t word322 = 1;
inline constexpr std::uint32_t word4100 = 1;
inline constexpr std::uint16_t word4106 = 2;
inline constexpr std::uint8_t firstValueMarkerSet = 1;  // from the first header refresh on

// The rate code: 20 / 2^code points per second for type 108; low 16 bits over high 16 bits for the
// others.
inline constexpr float gcBaseRate = 20.0f;
inline constexpr unsigned rateHalfBits = 16;
inline constexpr std::uint32_t rateHalfMask = 0xFFFF;

// Difference blocks: header word 0x1000 + n (1 to 78); records of 2 bytes, or the escape 0x8000
// followed by the absolute value (4 bytes).
inline constexpr std::uint16_t blockTag = 0x1000;
inline constexpr std::uint16_t blockTagMask = 0xF000;
inline constexpr std::uint16_t blockCountMask = 0x0FFF;
inline constexpr std::uint16_t largestBlockCount = 78;
inline constexpr std::uint16_t absoluteEscape = 0x8000;

// Type 181 records: the word 0x7FFF, then a 48-bit big-endian integer.
inline constexpr std::uint16_t integer48Tag = 0x7FFF;
inline constexpr std::size_t integer48RecordSize = 8;
inline constexpr std::int64_t integer48UpperUnit = std::int64_t{1} << 32;
inline constexpr std::size_t doubleRecordSize = 8;

// Before the first point an integer file holds these extremes; type 181 keeps them for good.
inline constexpr std::int32_t integerMaxStart = -2147483647;
inline constexpr std::int32_t integerMinStart = 2147483647;

// How a header field is stored. `time` and `value` are 32-bit integers or floats by file type.
enum class Encoding { byte, word, integer, unsignedInteger, time, value, float64, text, ascii };

struct Field {
  const char* name;
  std::uint32_t offset;
  Encoding encoding;
  std::uint32_t limit = 0;  // texts: the most code units that may be stored
  std::uint32_t room = 0;   // texts: the code units that fit before the next field
};

// The first section's fields that every raw data file has (signal and spectra files).
inline constexpr Field firstSectionFields[] = {
    {"typeNumberAscii", 0, Encoding::ascii, 3, 3},
    {"bottleNumberLong", 244, Encoding::integer},
    {"fileTypeNumber", fileTypeOffset, Encoding::integer},
    {"word252", 252, Encoding::word},
    {"bottleNumber", 254, Encoding::word},
    {"word256", 256, Encoding::word},
    {"dataStartBlock", 264, Encoding::unsignedInteger},
    {"startTime", 282, Encoding::time},
    {"endTime", 286, Encoding::time},
    {"glpFlag", 314, Encoding::unsignedInteger},
    {"firstSectionLength", 318, Encoding::unsignedInteger},
    {"word322", 322, Encoding::unsignedInteger},
    {"typeNumberText", 326, Encoding::text, 3, 10},
    {"kindText", 347, Encoding::text, 18, 255},
    {"text858", 858, Encoding::text, 62, 255},
    {"barcode", 1369, Encoding::text, 127, 255},
    {"text1880", 1880, Encoding::text, 30, 167},
    {"inlet", 2215, Encoding::text, 87, 87},
    {"dateTime", 2391, Encoding::text, 49, 50},
    {"text2492", 2492, Encoding::text, 9, 20},
    {"techniqueText", 2533, Encoding::text, 8, 20},
    {"text2574", 2574, Encoding::text, 44, 255},
    {"glpByte", 3600, Encoding::byte},
    {"glpText2", 3601, Encoding::text, 49, 100},
    {"glpText3", 3802, Encoding::text, 19, 146},
};

// The fields of signal files only: the summary fields of the first section, the GLP fields that
// spectra files use for their own, and the second section.
inline constexpr Field signalFields[] = {
    {"blockCount", 278, Encoding::unsignedInteger},
    {"maxValueA", 290, Encoding::value},
    {"minValueA", 294, Encoding::value},
    {"maxValueB", 298, Encoding::value},
    {"minValueB", 302, Encoding::value},
    {"glpNumber", 3085, Encoding::integer},
    {"glpText1", 3089, Encoding::text, 31, 255},
    {"secondSectionLength", 4096, Encoding::unsignedInteger},
    {"word4100", 4100, Encoding::unsignedInteger},
    {"firstValueMarker", 4104, Encoding::byte},
    {"word4106", 4106, Encoding::word},
    {"firstValueField", 4110, Encoding::value},
    {"minValueC", 4114, Encoding::value},
    {"maxValueC", 4118, Encoding::value},
    {"rateCode", 4122, Encoding::unsignedInteger},
    {"signalCode", 4134, Encoding::unsignedInteger},
    {"text4172", 4172, Encoding::text, 20, 20},
    {"text4213", 4213, Encoding::text, 255, 255},
    {"double4724", 4724, Encoding::float64},
    {"factor4732", 4732, Encoding::float64},
    {"dataTypeField", 5524, Encoding::word},
};

// What each signal type writes into its fixed fields.
struct TypeIdentity {
  std::int32_t fileType;
  const char16_t* kindText;
  const char16_t* techniqueText;
  std::uint32_t signalCode;
};

inline constexpr TypeIdentity typeIdentities[] = {
    {typeGc, u"GC DATA FILE", u"GC", 2},
    {typeLc, u"LC DATA FILE", u"LC", 3},
    {typeDoubles, u"GC DATA FILE", u"GC", 5},
    {typeInteger48, u"GC DATA FILE", u"GC", 4},
};

}  // namespace dsupreader::format
