// Copying a text into a caller's buffer the Win32 way.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string_view>

namespace qxplatform::user {

// Copies at most capacity - 1 characters and a terminator; returns the number of characters
// copied. Writes nothing for a null buffer or a capacity of 0 or less.
inline int copyText(std::u16string_view text, LPWSTR buffer, long long capacity) {
  if (!buffer || capacity <= 0) return 0;
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
  text.copy(buffer, count);
  buffer[count] = 0;
  return static_cast<int>(count);
}

}  // namespace qxplatform::user
