// FabsFormat: the wide printf family's formatting into a buffer of the assumed size.
#include <qxfabs00.h>

#include <cstdarg>

#include "wide_format.h"
#include "wide_units.h"

extern "C" int QX_SIBLING_CDECL FabsFormat(LPWSTR buffer, LPCWSTR format, ...) noexcept {
  va_list arguments;
  va_start(arguments, format);
  const qxformat::FormatResult result = qxformat::formatWide(qxsibling::utf16(buffer), FABS_FORMAT_CAPACITY, qxsibling::utf16(format), arguments);
  va_end(arguments);
  return result.truncated ? -1 : static_cast<int>(result.length);
}
