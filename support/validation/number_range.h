// The range and smallness test of the number validation, shared by the two exported forms.
#pragma once

#include <windows.h>

namespace dsup::validation {

struct Limits {
  double minimum, maximum, extra;
};

// The limits that stand in for none (all three 0): the largest finite value of the type, with
// either sign; the extra value is the lowest one.
inline constexpr Limits doubleRange{-1.7976931348623157e308, 1.7976931348623157e308, -1.7976931348623157e308};
inline constexpr Limits singleRange{-3.4028234663852886e38, 3.4028234663852886e38, -3.4028234663852886e38};

// Checks `value` against `limits` (replaced by `noLimits` when all three are 0) and reports a
// rejection; with `singlePrecision`, a value beyond replaced limits is reported as beyond the
// single-precision range. Returns whether the value is accepted.
BOOL validateNumber(HWND dialog, int field, double value, UINT messageNumber, Limits limits, const Limits& noLimits,
                    bool singlePrecision);

}  // namespace dsup::validation
