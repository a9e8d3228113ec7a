// One conversion directive of a format ("%-08.3lf"): its flags, width, precision, size prefix and
// conversion character.
#pragma once

#include "argument_reader.h"

namespace qxformat {

enum class SizePrefix { none, h, l, ll, i64 };

struct FormatDirective {
  bool leftAlign = false;  // -
  bool plusSign = false;   // +
  bool spaceSign = false;  // space
  bool alternate = false;  // #
  bool zeroPad = false;    // 0
  int width = 0;
  int precision = -1;  // -1 when none was given (or a * precision was negative)
  SizePrefix size = SizePrefix::none;
  char16_t conversion = 0;
};

struct ParsedDirective {
  FormatDirective directive;
  const char16_t* next = nullptr;  // the format text after the directive
  bool valid = false;              // false: not a directive the engine carries out
  bool argumentsMatched = true;    // false: a * width or precision found no integer argument
};

// Parses the directive whose '%' is at `percent`. Widths and precisions given as * are taken from
// `arguments` as 32-bit integers; a negative * width means left alignment. Numbers too large for
// an int are taken as the largest int.
ParsedDirective parseDirective(const char16_t* percent, ArgumentReader& arguments);

}  // namespace qxformat
