// Helpers of the formatting tests: ASCII to UTF-16, and the engine called through a C variable
// argument list as the stand-ins call it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "wide_format.h"

namespace siblingtest {

std::u16string widen(std::string_view ascii);

qxformat::FormatResult formatVariadic(char16_t* buffer, std::size_t capacity, const char16_t* format, ...);

// The whole text, through the variable argument list.
template <class... Args>
std::u16string formatted(const char16_t* format, Args... args) {
  char16_t buffer[4096];
  formatVariadic(buffer, std::size(buffer), format, args...);
  return buffer;
}

}  // namespace siblingtest
