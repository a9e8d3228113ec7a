// What an accepted number field gives back: the field rewritten in the standard format with the
// caller's digits, the value as the field then shows it, and its text.
#pragma once

#include <windows.h>

#include "validation/field_text.h"

namespace dsup::validation {

struct NumberFieldResult {
  WCHAR* text = nullptr;  // the caller's text result buffer, or null
  WORD capacity = 0;      // its capacity in characters, the terminator included
  INT digits = -1;        // as for DSupSetFloatField; negative: the field is not rewritten
};

// With digits of 0 or more, writes `value` into the field of a standard dialog (a value below
// 1e-6 in magnitude as exactly 0) and takes the value back from the field's whole text as it
// shows it (rounded to single precision when `singlePrecision`); a field that is not rewritten
// (negative digits, or not a standard dialog) gives back `value` and the `typed` text. Then fills
// the text result with that text, or with asterisks when it does not fit. Returns the value the
// caller receives.
double giveBackNumber(HWND dialog, int field, double value, const FieldEntry& typed, const NumberFieldResult& result,
                      bool singlePrecision);

}  // namespace dsup::validation
