// The reading of numbers typed into fields, on any text (the input's bytes as UTF-16 code units,
// two by two). What it takes as a number must be a number by the C library's reading too, with the
// same value; an integer must be a decimal number of the same value.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialog/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string units(size / 2, u'\0');
  std::memcpy(units.data(), data, units.size() * 2);
  const dsup::dialog::FieldText text(reinterpret_cast<const WCHAR*>(units.data()), units.size());
  const dsup::dialog::FieldText trimmed = dsup::dialog::withoutBlanks(text);
  if (trimmed.size() > text.size()) std::abort();

  const std::optional<double> decimal = dsup::dialog::readDecimal(trimmed);
  const std::optional<std::int32_t> integer = dsup::dialog::readInteger(trimmed);
  if (integer && (!decimal || *decimal != *integer)) std::abort();
  if (!decimal) return 0;
  // An accepted text is plain ASCII, which strtod reads in the C locale that a fuzzer runs in.
  const std::string narrow(trimmed.begin(), trimmed.end());
  char* end = nullptr;
  const double expected = std::strtod(narrow.c_str(), &end);
  if (end != narrow.c_str() + narrow.size()) std::abort();
  if (!(expected == *decimal)) std::abort();
  return 0;
}
