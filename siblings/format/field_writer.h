// Writes a converted value into its field: the width is filled with blanks before or after it,
// or with zeros between the sign and the digits.
#pragma once

#include <cstddef>
#include <string_view>

#include "format_directive.h"
#include "output_buffer.h"

namespace qxformat {

// A converted number, in the order it is written.
struct NumberField {
  std::string_view prefix;         // sign, then 0x or 0X
  std::size_t precisionZeros = 0;  // zeros the precision asks for in front of the digits
  std::string_view digits;         // the digits as converted, with point
  std::size_t extraZeros = 0;      // further decimals, beyond what the conversion spelled out
  std::string_view suffix;         // exponent
  bool zeroPadding = false;        // the 0 flag applies (not with -, not to inf and nan)
};

void writeNumber(OutputBuffer& out, const FormatDirective& directive, const NumberField& field);

// Texts are cut by the caller to the precision; only the width is applied here.
void writeText(OutputBuffer& out, const FormatDirective& directive, std::u16string_view text);
void writeText(OutputBuffer& out, const FormatDirective& directive, std::string_view bytes);

}  // namespace qxformat
