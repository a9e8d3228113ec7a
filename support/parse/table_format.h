// The byte image of a compiled parse table and the limits of the parser that runs it. The library's
// parser and the grammar compiler (tools/grammar) both take their numbers from here, so that the
// tables one writes are the tables the other reads.
//
// A table starts with four signed 16-bit offsets (little-endian, from the table's first byte): the
// entry directory, the keyword index, the string pool and the program. The directory is a count
// N (N + 1 entries follow; -1 for none), then per entry a signed 16-bit key and the unsigned 16-bit
// index of the entry's first instruction. The keyword index is an array of unsigned 16-bit cells;
// a keyword list is named by its head cell, which holds the index of the list's last cell, and the
// cells after the head hold instruction indexes in ascending keyword order. A pool string is a
// length byte (1 to 127) and that many characters. Instructions are 3 bytes: opcode and flags,
// then a 16-bit operand.
#pragma once

#include <cstdint>

namespace dsup::parse_format {

// Header: byte positions of the four section offsets.
inline constexpr int headerSize = 8;
inline constexpr int entryDirectoryOffsetAt = 0;
inline constexpr int keywordIndexOffsetAt = 2;
inline constexpr int stringPoolOffsetAt = 4;
inline constexpr int programOffsetAt = 6;

// Entry directory: the count cell, then 4 bytes per entry (key, first instruction).
inline constexpr int directoryCountSize = 2;
inline constexpr int directoryEntrySize = 4;
inline constexpr int directoryKeyAt = 0;
inline constexpr int directoryFirstInstructionAt = 2;
inline constexpr int emptyDirectoryCount = -1;

inline constexpr int keywordIndexCellSize = 2;

// String pool: a signed length byte, then the characters, without a terminator.
inline constexpr int poolLengthSize = 1;
inline constexpr int poolStringMinLength = 1;
inline constexpr int poolStringMaxLength = 127;

// Instructions: byte 0 holds the opcode in its low five bits and three flags above; bytes 1 and 2
// hold the operand, little-endian.
inline constexpr int instructionSize = 3;
inline constexpr std::uint8_t opcodeMask = 0x1F;
inline constexpr std::uint8_t equalsFlag = 0x20;    // after the main operation: EQUALS
inline constexpr std::uint8_t realFlag = 0x40;      // then REAL
inline constexpr std::uint8_t shortIntFlag = 0x80;  // then SHORT_INT, after moving to the next instruction

enum class Opcode : std::uint8_t {
  equals = 0,
  onMatch = 1,
  jump = 2,  // GOTO
  charset = 3,
  keyword = 4,
  shortInt = 5,
  real = 6,
  skipToSeparator = 7,
  yield = 8,
  end = 9,
  setTag = 10,
  onFailure = 11,
  keywordWord = 12,
  keywordLookup = 13,
  nop = 14,
  setSeparator = 15,
  setQuote = 16,
  skipField = 17,
  textUntil = 18,
  textCount = 19,
  longInt = 20,
};
// Codes above this one (up to the mask) are unassigned and do nothing.
inline constexpr std::uint8_t lastAssignedOpcode = static_cast<std::uint8_t>(Opcode::longInt);

// The parser's text field holds this many characters and a terminating zero.
inline constexpr int textCapacity = 80;

// Number fields: at most this many characters are looked at for each kind of number.
inline constexpr int shortIntFieldWidth = 9;
inline constexpr int longIntFieldWidth = 14;
inline constexpr int realFieldWidth = 20;

// The separator a state starts with: lines end in a line feed.
inline constexpr char initialSeparator = '\n';

// Offsets are signed 16-bit, so no section can start beyond this byte.
inline constexpr int maxSectionOffset = 32767;

// Table numbers are little-endian and need not be aligned (instructions are 3 bytes long).
inline constexpr std::uint16_t loadWord(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline constexpr void storeWord(std::uint8_t* at, std::uint16_t value) {
  at[0] = static_cast<std::uint8_t>(value);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace dsup::parse_format
