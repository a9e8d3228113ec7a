// DSupValidDouble and DSupValidFloat: a number within the caller's limits (or the range of its
// type when the caller gives none), and not too small to be held as a normal double.
#include "validation/number_range.h"

#include <dsup.h>

#include <cmath>

#include "host/sibling_services.h"
#include "module.h"
#include "validation/validation_messages.h"

namespace dsup::validation {

namespace {

// frexp's exponent of the smallest normal double, 2^-1022: below it a nonzero value is too small.
constexpr int smallestNormalExponent = -1021;

bool givesNoLimits(const Limits& limits) { return limits.minimum == 0 && limits.maximum == 0 && limits.extra == 0; }

// Not a number lies in no range: the comparisons are written so that it fails them.
bool inRange(double value, const Limits& limits) {
  return (value >= limits.minimum && value <= limits.maximum) || value == limits.extra;
}

bool tooSmall(double value) {
  int exponent = 0;
  std::frexp(value, &exponent);
  return value != 0 && exponent < smallestNormalExponent;
}

void reportLimits(HWND dialog, int field, UINT messageNumber, StringId message, const Limits& limits) {
  if (field != 0)
    reportFieldError(dialog, field, messageNumber, message, limits.minimum, limits.maximum, limits.extra);
  else
    reportError(dialog, messageNumber, message, limits.minimum, limits.maximum, limits.extra);
}

void reportBeyondSingleRange(HWND dialog, int field) {
  if (field != 0)
    DSupDialogEntryError(dialog, field, moduleInstance, IDS_MSG_SINGLE_RANGE);
  else
    UtilShowMessage(moduleInstance, dialog, IDS_MSG_SINGLE_RANGE);
}

}  // namespace

BOOL validateNumber(HWND dialog, int field, double value, UINT messageNumber, Limits limits, const Limits& noLimits,
                    bool singlePrecision) {
  const bool replaced = givesNoLimits(limits);
  if (replaced) limits = noLimits;
  if (!inRange(value, limits)) {
    if (replaced && singlePrecision)
      reportBeyondSingleRange(dialog, field);
    else
      reportLimits(dialog, field, messageNumber, IDS_MSG_OUT_OF_RANGE, limits);
    return FALSE;
  }
  if (tooSmall(value)) {
    reportLimits(dialog, field, messageNumber, IDS_MSG_TOO_SMALL, limits);
    return FALSE;
  }
  return TRUE;
}

}  // namespace dsup::validation

using dsup::validation::Limits;

extern "C" DSUP_API BOOL DSUP_CALL DSupValidDouble(HWND dialog, INT field, double value, UINT messageNumber,
                                                   double minimum, double maximum, double extra) noexcept {
  return dsup::validation::validateNumber(dialog, field, value, messageNumber, Limits{minimum, maximum, extra},
                                          dsup::validation::doubleRange, false);
}

extern "C" DSUP_API BOOL DSUP_CALL DSupValidFloat(HWND dialog, INT field, double value, UINT messageNumber,
                                                  double minimum, double maximum, double extra) noexcept {
  return dsup::validation::validateNumber(dialog, field, value, messageNumber, Limits{minimum, maximum, extra},
                                          dsup::validation::singleRange, true);
}
