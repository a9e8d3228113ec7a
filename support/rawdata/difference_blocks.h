// The difference blocks of types 108 and 130: a block header word (0x1000 + the number of points,
// 1 to 78) followed by 2-byte difference records and 6-byte absolute records. The cache reserves
// the first block's header word when it is reset.
#pragma once

#include <windows.h>

namespace dsup {

inline constexpr WORD blockWordEmpty = 0x1000;   // the upper four bits 0001 mark a block
inline constexpr WORD blockPointMask = 0x0FFF;
inline constexpr WORD largestBlockPoints = 78;
inline constexpr WORD blockWordSize = 2;

}  // namespace dsup
