// Byte order of the raw data files: the reversals behind the DSupFlip exports, and loads and
// stores of big-endian header numbers and little-endian record numbers at byte positions.
#pragma once

#include <windows.h>

#include <cstring>

namespace dsup {

constexpr WORD flip16(WORD value) { return static_cast<WORD>((value << 8) | (value >> 8)); }

constexpr DWORD flip32(DWORD value) {
  return ((value & 0x000000FFu) << 24) | ((value & 0x0000FF00u) << 8) |
         ((value & 0x00FF0000u) >> 8) | ((value & 0xFF000000u) >> 24);
}

constexpr ULONGLONG flip64(ULONGLONG value) {
  return (ULONGLONG{flip32(static_cast<DWORD>(value))} << 32) | flip32(static_cast<DWORD>(value >> 32));
}

inline void storeBigEndian16(BYTE* at, WORD value) {
  at[0] = static_cast<BYTE>(value >> 8);
  at[1] = static_cast<BYTE>(value);
}

inline void storeBigEndian32(BYTE* at, DWORD value) {
  at[0] = static_cast<BYTE>(value >> 24);
  at[1] = static_cast<BYTE>(value >> 16);
  at[2] = static_cast<BYTE>(value >> 8);
  at[3] = static_cast<BYTE>(value);
}

inline DWORD loadBigEndian32(const BYTE* at) {
  return (DWORD{at[0]} << 24) | (DWORD{at[1]} << 16) | (DWORD{at[2]} << 8) | DWORD{at[3]};
}

inline void storeLittleEndian16(BYTE* at, WORD value) {
  at[0] = static_cast<BYTE>(value);
  at[1] = static_cast<BYTE>(value >> 8);
}

inline void storeLittleEndian32(BYTE* at, DWORD value) {
  at[0] = static_cast<BYTE>(value);
  at[1] = static_cast<BYTE>(value >> 8);
  at[2] = static_cast<BYTE>(value >> 16);
  at[3] = static_cast<BYTE>(value >> 24);
}

inline void storeLittleEndian64(BYTE* at, ULONGLONG value) {
  for (int i = 0; i < 8; ++i) at[i] = static_cast<BYTE>(value >> (8 * i));
}

// The double's IEEE-754 image, most significant byte first (the reversed host image).
inline void storeBigEndianDouble(BYTE* at, double value) {
  ULONGLONG image;
  std::memcpy(&image, &value, sizeof image);
  for (int i = 0; i < 8; ++i) at[i] = static_cast<BYTE>(image >> (56 - 8 * i));
}

}  // namespace dsup
