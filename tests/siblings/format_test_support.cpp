#include "format_test_support.h"

#include <cstdarg>

namespace siblingtest {

std::u16string widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

qxformat::FormatResult formatVariadic(char16_t* buffer, std::size_t capacity, const char16_t* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  const qxformat::FormatResult result = qxformat::formatWide(buffer, capacity, format, arguments);
  va_end(arguments);
  return result;
}

}  // namespace siblingtest
