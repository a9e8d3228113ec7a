// Character and text conversions. Without a size, and with l, they take UTF-16; with h they take
// single-byte text, each byte standing for the code unit of the same value. A precision cuts a
// text to that many code units, and the text is then read no further (it need not be terminated).
#include <cstddef>
#include <string_view>

#include "conversions.h"
#include "field_writer.h"

namespace qxformat {

namespace {

template <class Unit>
std::basic_string_view<Unit> boundedText(const Unit* text, int precision) {
  const std::size_t limit = precision < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(precision);
  std::size_t length = 0;
  while (length < limit && text[length] != 0) ++length;
  return {text, length};
}

}  // namespace

bool convertCharacter(OutputBuffer& out, const FormatDirective& d, ArgumentReader& arguments) {
  ArgumentValue argument{};
  if (!arguments.next(ArgumentType::int32, argument)) return false;
  const bool narrow = d.size == SizePrefix::h;
  const char16_t unit = static_cast<char16_t>(narrow ? argument.integer & 0xFF : argument.integer & 0xFFFF);
  writeText(out, d, std::u16string_view(&unit, 1));
  return true;
}

bool convertText(OutputBuffer& out, const FormatDirective& d, ArgumentReader& arguments) {
  ArgumentValue argument{};
  if (d.size == SizePrefix::h) {
    if (!arguments.next(ArgumentType::narrowText, argument)) return false;
    const char* text = argument.narrowText ? argument.narrowText : "(null)";
    writeText(out, d, boundedText(text, d.precision));
  } else {
    if (!arguments.next(ArgumentType::wideText, argument)) return false;
    const char16_t* text = argument.wideText ? argument.wideText : u"(null)";
    writeText(out, d, boundedText(text, d.precision));
  }
  return true;
}

}  // namespace qxformat
