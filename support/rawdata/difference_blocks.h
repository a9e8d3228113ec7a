// Difference coding, shared by the signal points of types 108 and 130 (big-endian) and by the
// difference-coded spectrum records (little-endian): a difference from the previous value of -32767
// to 32767 takes a 2-byte record; any other value is the escape word followed by the value itself.
//
// The difference blocks of types 108 and 130: a block header word (0x1000 + the number of points,
// 1 to 78) followed by the records. The cache reserves the first block's header word when it is
// reset.
#pragma once

#include <windows.h>

namespace dsup {

inline constexpr LONG largestDifference = 32767;
inline constexpr WORD absoluteEscape = 0x8000;  // -32768 is never a difference
inline constexpr WORD differenceRecordSize = 2;
inline constexpr WORD absoluteRecordSize = 6;

// The difference of two values in 32-bit two's complement arithmetic (wrapping), as a reader adds
// it back; and whether it takes a difference record.
constexpr LONG differenceOf(LONG value, LONG previous) {
  return static_cast<LONG>(static_cast<DWORD>(value) - static_cast<DWORD>(previous));
}
constexpr bool fitsDifferenceRecord(LONG difference) {
  constexpr auto largest = static_cast<DWORD>(largestDifference);
  return static_cast<DWORD>(difference) + largest <= 2 * largest;  // one unsigned comparison
}

inline constexpr WORD blockWordEmpty = 0x1000;   // the upper four bits 0001 mark a block
inline constexpr WORD blockPointMask = 0x0FFF;
inline constexpr WORD largestBlockPoints = 78;
inline constexpr WORD blockWordSize = 2;

}  // namespace dsup
