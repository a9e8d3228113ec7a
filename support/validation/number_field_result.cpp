#include "validation/number_field_result.h"

#include <dsup.h>

#include <algorithm>
#include <cmath>

#include "dialog/number_text.h"
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

double giveBackNumber(HWND dialog, int field, double value, FieldEntry& shown, const NumberFieldResult& result,
                      bool wantValue, bool singlePrecision) {
  if (result.digits >= 0) {
    if (std::fabs(value) < shownAsZero) value = 0;
    DSupSetFloatField(dialog, field, value, result.digits);
    if (wantValue || result.text) {
      shown = readFieldText(dialog, field);
      if (wantValue) {
        if (const auto displayed = dialog::readDecimal(dialog::withoutBlanks(dialog::FieldText(shown.text)))) value = *displayed;
        if (singlePrecision) value = static_cast<float>(value);
      }
    }
  }
  fillTextResult(shown.text, result);
  return value;
}

}  // namespace dsup::validation
