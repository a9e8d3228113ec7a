// Number reading for SHORT_INT, LONG_INT and REAL: a field of at most a fixed number of characters
// is copied from the cursor into a buffer of the call and converted there. Conversion passes over
// leading white space of every kind (blanks, tabs, line ends) and then reads the decimal syntax
// only: a sign and digits for integers, and for reals also a decimal point and an exponent. It
// never depends on the process's locale, keeps no state and may run on any number of threads.
#pragma once

#include <windows.h>

#include "parse/table_format.h"

namespace dsup {

template <class Value>
struct NumberRead {
  Value value;   // 0 when nothing could be converted
  int consumed;  // characters converted, leading white space and sign included; 0 for no number
};

// A decimal integer from at most `fieldWidth` characters at `text`. Values beyond the signed
// 32-bit range become its nearest limit. REQUIRES: text is zero-terminated; fieldWidth is at most
// the width of a REAL field.
NumberRead<LONG> readInteger(const char* text, int fieldWidth);

// A decimal floating-point number from at most 20 characters at `text`. The result is always
// finite: a value beyond the range of a double keeps the largest finite magnitude, one too small
// for it becomes zero, both with the value's sign. REQUIRES: text is zero-terminated.
NumberRead<double> readReal(const char* text);

}  // namespace dsup
