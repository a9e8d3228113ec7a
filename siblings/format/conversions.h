// The conversions of the formatting engine. Each takes its argument from the reader, writes the
// converted field and returns false (writing nothing) when the reader had no argument of its kind.
#pragma once

#include "argument_reader.h"
#include "format_directive.h"
#include "output_buffer.h"

namespace qxformat {

// d i u x X o, with the sizes h (16 bits), none and l (32 bits), ll and I64 (64 bits).
bool convertInteger(OutputBuffer& out, const FormatDirective& directive, ArgumentReader& arguments);

// e E f g G: a double, exponents with a sign and at least three digits.
bool convertFloating(OutputBuffer& out, const FormatDirective& directive, ArgumentReader& arguments);

// c: a UTF-16 code unit (hc: a byte); s: a UTF-16 text (hs: a single-byte text), cut to the
// precision.
bool convertCharacter(OutputBuffer& out, const FormatDirective& directive, ArgumentReader& arguments);
bool convertText(OutputBuffer& out, const FormatDirective& directive, ArgumentReader& arguments);

}  // namespace qxformat
