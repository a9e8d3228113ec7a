#include "validation/number_field_result.h"

#include <dsup.h>

#include <algorithm>
#include <cmath>

#include "dialog/number_text.h"
#include "dialog/standard_dialog_data.h"
#include "host/sibling_services.h"

namespace dsup::validation {

namespace {

constexpr double shownAsZero = 1e-6;
constexpr WCHAR doesNotFit = '*';

std::size_t lengthOf(const WCHAR* text) {
  std::size_t length = 0;
  while (text[length]) ++length;
  return length;
}

void fillTextResult(const WCHAR* shown, const NumberFieldResult& result) {
  if (!result.text || result.capacity == 0) return;
  const std::size_t length = lengthOf(shown);
  if (length >= result.capacity) {
    PortFillChars(result.text, doesNotFit, result.capacity - 1);
    result.text[result.capacity - 1] = 0;
  } else {
    std::copy(shown, shown + length + 1, result.text);
  }
}

}  // namespace

double giveBackNumber(HWND dialog, int field, double value, const FieldEntry& typed, const NumberFieldResult& result,
                      bool singlePrecision) {
  // Only a standard dialog's field is rewritten; any other field still shows what was typed.
  if (result.digits < 0 || !dialog::standardDialogData(dialog)) {
    fillTextResult(typed.text, result);
    return value;
  }
  if (std::fabs(value) < shownAsZero) value = 0;
  DSupSetFloatField(dialog, field, value, result.digits);
  // Read back whole: in a wide field the rewritten text can be longer than the 14 characters
  // that are read of a typed entry, and its first 14 would be another number.
  WCHAR shown[DSUP_FLOAT_TEXT_CAPACITY] = {};
  GetDlgItemTextW(dialog, field, shown, DSUP_FLOAT_TEXT_CAPACITY);
  if (const auto displayed = dialog::readDecimal(dialog::withoutBlanks(dialog::FieldText(shown)))) value = *displayed;
  if (singlePrecision) value = static_cast<float>(value);
  fillTextResult(shown, result);
  return value;
}

}  // namespace dsup::validation
