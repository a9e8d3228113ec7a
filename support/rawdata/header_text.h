// Texts of the raw data file headers and of the file context: bounded lengths of the caller's
// zero-terminated UTF-16 texts, and the header encoding of a text (a length byte followed by that
// many little-endian code units). Every text is cut to its field's limit, so nothing is ever
// written past a field.
#pragma once

#include <windows.h>

#include <cstddef>

#include "rawdata/file_layout.h"

namespace dsup {

// The length of `text` in code units, looking at no more than `atMost` units (a text that has no
// terminator among them counts as `atMost` long). A null text is empty.
std::size_t boundedLength(LPCWSTR text, std::size_t atMost);

// Copies `text` into a context or parameter array of `capacity` units, cut to capacity - 1 units
// and terminated.
void copyText(WCHAR* destination, std::size_t capacity, LPCWSTR text);

template <std::size_t units>
void copyText(WCHAR (&destination)[units], LPCWSTR text) {
  copyText(destination, units, text);
}

// Encodes `text`, cut to the field's limit, at `at`: the length byte, then the code units.
// Returns the number of bytes stored (1 + 2 × length). REQUIRES: `at` has room for them.
DWORD encodeText(BYTE* at, TextField field, LPCWSTR text);

// Stores `text` into a header image at the field's offset.
inline void storeText(BYTE* image, TextField field, LPCWSTR text) { encodeText(image + field.offset, field, text); }

}  // namespace dsup
