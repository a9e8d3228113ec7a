// Portable helpers: filling a text with one character, and row ranges.
#include <lumoport32.h>

#include <algorithm>
#include <cstdint>
#include <limits>

static_assert(sizeof(PortRowRange) == 4 * sizeof(LONG), "the record is four 32-bit words");

extern "C" void WINAPI PortFillChars(LPWSTR buffer, WCHAR character, int count) noexcept {
  if (!buffer || count <= 0) return;
  std::fill_n(buffer, count, character);
}

extern "C" void WINAPI PortMakeRowRange(PortRowRange* range, LONG row, LONG otherRow, LONG value) noexcept {
  if (!range) return;
  range->firstRow = std::min(row, otherRow);
  range->lastRow = std::max(row, otherRow);
  const std::int64_t rows = std::int64_t{range->lastRow} - range->firstRow + 1;
  range->rowCount = static_cast<LONG>(std::min<std::int64_t>(rows, std::numeric_limits<LONG>::max()));
  range->value = value;
}
