// DoubleFormat with any value, width and digits (the input's first 16 bytes: the double, then two
// 32-bit integers). The text must stay within the 102 characters that DSupSetDlgItemFloat gives it
// and be terminated there, and the text of a finite value must read back as a number.
#include <dsup.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "dialog/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double) + 2 * sizeof(std::int32_t)) return 0;
  double value;
  std::int32_t width, digits;
  std::memcpy(&value, data, sizeof value);
  std::memcpy(&width, data + sizeof value, sizeof width);
  std::memcpy(&digits, data + sizeof value + sizeof width, sizeof digits);

  constexpr std::size_t guard = 64;
  constexpr WCHAR guardUnit = 0xA5A5;
  WCHAR buffer[DSUP_FLOAT_TEXT_CAPACITY + guard];
  std::fill(std::begin(buffer), std::end(buffer), guardUnit);
  DoubleFormat(buffer, value, width, digits);
  std::size_t length = 0;
  while (length < DSUP_FLOAT_TEXT_CAPACITY && buffer[length] != 0) ++length;
  if (length == DSUP_FLOAT_TEXT_CAPACITY) std::abort();  // not terminated within the buffer
  for (std::size_t i = DSUP_FLOAT_TEXT_CAPACITY; i < std::size(buffer); ++i)
    if (buffer[i] != guardUnit) std::abort();
  if (std::isfinite(value) && !dsup::dialog::readDecimal(dsup::dialog::FieldText(buffer, length))) std::abort();
  return 0;
}
