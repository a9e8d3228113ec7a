// Byte order of the raw data files: the reversals behind the DSupFlip exports, and loads and
// stores of big-endian header numbers and little-endian record numbers at byte positions. The
// library runs on little-endian hosts, so a little-endian number is stored as the host holds it
// and a big-endian one reversed; each goes to its position in one unaligned store.
#pragma once

#include <windows.h>

#include <bit>
#include <cstring>

namespace dsup {

static_assert(std::endian::native == std::endian::little, "the file images assume a little-endian host");

constexpr WORD flip16(WORD value) { return __builtin_bswap16(value); }
constexpr DWORD flip32(DWORD value) { return __builtin_bswap32(value); }
constexpr ULONGLONG flip64(ULONGLONG value) { return __builtin_bswap64(value); }

// The host's bytes of `image` at `at`.
template <class Number>
void storeImage(BYTE* at, Number image) {
  std::memcpy(at, &image, sizeof image);
}

inline void storeBigEndian16(BYTE* at, WORD value) { storeImage(at, flip16(value)); }
inline void storeBigEndian32(BYTE* at, DWORD value) { storeImage(at, flip32(value)); }
inline void storeBigEndian64(BYTE* at, ULONGLONG value) { storeImage(at, flip64(value)); }

inline DWORD loadBigEndian32(const BYTE* at) {
  DWORD image;
  std::memcpy(&image, at, sizeof image);
  return flip32(image);
}

inline void storeLittleEndian16(BYTE* at, WORD value) { storeImage(at, value); }
inline void storeLittleEndian32(BYTE* at, DWORD value) { storeImage(at, value); }
inline void storeLittleEndian64(BYTE* at, ULONGLONG value) { storeImage(at, value); }

// The double's IEEE-754 image, most significant byte first (the reversed host image).
inline void storeBigEndianDouble(BYTE* at, double value) { storeBigEndian64(at, std::bit_cast<ULONGLONG>(value)); }

}  // namespace dsup
