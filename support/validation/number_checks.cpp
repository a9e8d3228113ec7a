// The checks of number fields: a double or single-precision value within the caller's limits,
// rewritten in the standard format; the silent check with a fallback value; and the check with a
// function of the driver's.
#include <dsup.h>

#include <cmath>
#include <optional>

#include "dialog/number_text.h"
#include "validation/field_text.h"
#include "validation/number_field_result.h"
#include "validation/number_range.h"
#include "module.h"
#include "validation/validation_messages.h"

namespace dsup::validation {

namespace {

std::optional<double> numberIn(const FieldEntry& entry) { return dialog::readDecimal(dialog::FieldText(entry.text)); }

// The value of an accepted double field, or none when the user has been told what is wrong.
std::optional<double> checkedDouble(HWND dialog, int field, UINT messageNumber, double minimum, double maximum,
                                    BOOL emptyAllowed, double defaultValue, FieldEntry& entry) {
  entry = readFieldText(dialog, field);
  if (entry.empty) {
    if (emptyAllowed) return defaultValue;
    reportFieldError(dialog, field, messageNumber, IDS_MSG_EMPTY_FIELD, minimum, maximum);
    return std::nullopt;
  }
  const std::optional<double> value = numberIn(entry);
  if (!value) {
    reportFieldError(dialog, field, messageNumber, IDS_MSG_NOT_A_NUMBER, minimum, maximum);
    return std::nullopt;
  }
  if (!DSupValidDouble(dialog, field, *value, messageNumber, minimum, maximum, minimum)) return std::nullopt;
  // Where both limits are 0 the range test above took the whole range of doubles: this one
  // holds the field to the caller's 0.
  if (*value < minimum || *value > maximum) {
    reportFieldError(dialog, field, messageNumber, IDS_MSG_OUTSIDE_LIMITS, minimum, maximum);
    return std::nullopt;
  }
  return value;
}

}  // namespace

}  // namespace dsup::validation

using namespace dsup;
using namespace dsup::validation;

namespace dsup::validation {

namespace {

// A checked number field: the value as checked, and as the caller receives it (as the rewritten
// field shows it).
struct CheckedNumber {
  double checked;
  double given;
};

std::optional<CheckedNumber> checkNumberField(HWND dialog, int field, UINT messageNumber, double minimum,
                                              double maximum, BOOL emptyAllowed, double defaultValue,
                                              const NumberFieldResult& result) {
  FieldEntry entry;
  const std::optional<double> value =
      checkedDouble(dialog, field, messageNumber, minimum, maximum, emptyAllowed, defaultValue, entry);
  if (!value) return std::nullopt;
  return CheckedNumber{*value, giveBackNumber(dialog, field, *value, entry, result, false)};
}

}  // namespace

}  // namespace dsup::validation

extern "C" DSUP_API BOOL DSUP_CALL DSupCheckDialogDouble(HWND dialog, INT field, UINT messageNumber, double minimum,
                                                         double maximum, BOOL emptyAllowed, double defaultValue,
                                                         double* result, LPWSTR text, WORD textCapacity,
                                                         INT digits) noexcept {
  const auto number = checkNumberField(dialog, field, messageNumber, minimum, maximum, emptyAllowed, defaultValue,
                                       {text, textCapacity, digits});
  if (!number) return FALSE;
  if (result) *result = number->given;
  return TRUE;
}

extern "C" DSUP_API BOOL DSUP_CALL DSupCheckDialogFloat(HWND dialog, INT field, UINT messageNumber, double minimum,
                                                        double maximum, BOOL emptyAllowed, double defaultValue,
                                                        FLOAT* result, LPWSTR text, WORD textCapacity,
                                                        INT digits) noexcept {
  const auto number = checkNumberField(dialog, field, messageNumber, minimum, maximum, emptyAllowed, defaultValue,
                                       {text, textCapacity, digits});
  if (!number) return FALSE;
  // The single-precision test takes the value as the user entered it: the rounding of the
  // rewritten field (0.3 shown as 0 with no decimals) does not make an accepted entry an error.
  if (!DSupValidFloat(dialog, field, number->checked, messageNumber, minimum, maximum, minimum)) return FALSE;
  // Limits of the caller's beyond the single-precision range do not let a value through that the
  // caller would receive as infinite.
  if (std::isinf(static_cast<FLOAT>(number->given))) {
    DSupDialogEntryError(dialog, field, moduleInstance, IDS_MSG_SINGLE_RANGE);
    return FALSE;
  }
  if (result) *result = static_cast<FLOAT>(number->given);
  return TRUE;
}

extern "C" DSUP_API BOOL DSUP_CALL DSupDlgInternalFloatCheck(HWND dialog, WORD field, FLOAT minimum, FLOAT maximum,
                                                             FLOAT fallback, FLOAT* result, LPWSTR text,
                                                             WORD textCapacity, INT digits) noexcept {
  const FieldEntry entry = readFieldText(dialog, field);
  const std::optional<double> read = entry.empty ? std::nullopt : numberIn(entry);
  const auto single = static_cast<FLOAT>(read.value_or(0));
  const bool accepted = read && !std::isinf(single) && single >= minimum && single <= maximum;
  if (digits < 0) return accepted;
  const double given =
      giveBackNumber(dialog, field, accepted ? single : fallback, entry, {text, textCapacity, digits}, true);
  if (result) *result = static_cast<FLOAT>(given);
  return accepted;
}

extern "C" DSUP_API LONG DSUP_CALL DSupCheckDialogFloatWithFunction(HWND dialog, INT field, UINT messageNumber,
                                                                    DSupFloatCheckFunction check, BOOL emptyAllowed,
                                                                    double defaultValue, FLOAT* result) noexcept {
  const FieldEntry entry = readFieldText(dialog, field);
  if (entry.empty) {
    if (!emptyAllowed) {
      reportFieldError(dialog, field, messageNumber, IDS_MSG_EMPTY_FIELD);
      return FALSE;
    }
    if (result) *result = static_cast<FLOAT>(defaultValue);
    return TRUE;
  }
  const std::optional<double> value = numberIn(entry);
  if (!value) {
    reportFieldError(dialog, field, messageNumber, IDS_MSG_NOT_A_NUMBER);
    return FALSE;
  }
  if (!DSupValidFloat(dialog, field, *value, messageNumber, 0, 0, 0)) return FALSE;
  // Without a function of the driver's the value in the single-precision range is accepted.
  const LONG accepted = check ? check(dialog, field, *value) : TRUE;
  if (accepted && result) *result = static_cast<FLOAT>(*value);
  return accepted;
}
