// Numbers in the fields of any dialog: a field's width in characters, writing a value formatted
// for it, reading its text back as a number, and the length of its text.
#include <dsup.h>

#include "dialog/number_text.h"

namespace {

// A number field is read by its first 42 characters; a longer text is judged by them.
constexpr int floatFieldReadCapacity = 43;

}  // namespace

extern "C" DSUP_API INT DSUP_CALL DSupGetDlgItemWidth(HWND dialog, INT id) noexcept {
  const HWND control = GetDlgItem(dialog, id);
  if (!control) return 0;
  const HDC context = GetDC(control);
  if (!context) return 0;
  // The metrics of the context's default font, as the context comes: no font is selected into it.
  RECT client{};
  TEXTMETRICW metrics{};
  INT width = 0;
  if (GetClientRect(control, &client) && GetTextMetricsW(context, &metrics) && metrics.tmAveCharWidth > 0)
    width = client.right / metrics.tmAveCharWidth;
  ReleaseDC(control, context);
  return width;
}

extern "C" DSUP_API void DSUP_CALL DSupSetDlgItemFloat(HWND dialog, INT id, double value, INT digits) noexcept {
  WCHAR text[DSUP_FLOAT_TEXT_CAPACITY];
  DoubleFormat(text, value, DSupGetDlgItemWidth(dialog, id), digits);
  SetDlgItemTextW(dialog, id, text);
}

extern "C" DSUP_API double DSUP_CALL DSupGetDlgItemFloat(HWND dialog, INT id, BOOL* valid) noexcept {
  WCHAR text[floatFieldReadCapacity];
  const UINT length = GetDlgItemTextW(dialog, id, text, floatFieldReadCapacity);
  // An empty field (and a missing one) is a valid zero.
  if (length == 0) {
    if (valid) *valid = TRUE;
    return 0.0;
  }
  const auto number = dsup::dialog::readDecimal(dsup::dialog::withoutBlanks({text, length}));
  if (valid) *valid = number.has_value();
  return number.value_or(0.0);
}

extern "C" DSUP_API BOOL DSUP_CALL DSupGetDlgItemFloatNew(HWND dialog, INT id, double* value) noexcept {
  BOOL valid = FALSE;
  const double read = DSupGetDlgItemFloat(dialog, id, &valid);
  if (value) *value = read;
  return valid;
}

extern "C" DSUP_API INT DSUP_CALL DSupGetDlgItemLength(HWND dialog, INT id) noexcept {
  const HWND control = GetDlgItem(dialog, id);
  return control ? GetWindowTextLengthW(control) : 0;
}
