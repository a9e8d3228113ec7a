// DoubleFormat: a value as the text that best fits a field of a given width.
//
// The value is printed through FabsFormat in fixed form ("%.*f") or exponent form ("%.*e", with
// the exponent as a sign and at least three digits, 1.5e+005), with as many decimals as the field
// can show, and the printed text is then cleaned of what the field need not show: the "+" and one
// leading zero of the exponent, zeros between the decimals and the exponent and, in trim mode,
// trailing zeros after the first decimal.
#include <dsup.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/sibling_services.h"

namespace dsup::dialog {

namespace {

// FabsFormat writes at most this many characters whole; a longer text would be cut.
constexpr int longestPrintedText = FABS_FORMAT_CAPACITY - 1;

// The widest field that is taken at its width. At this width the exponent form is printed with its
// "+" and one leading exponent zero beyond the width (dropped afterwards), and the fixed form may
// gain one integer digit by rounding (99999.5 gives 100000): both still fit longestPrintedText.
constexpr int widestField = longestPrintedText - 2;

// Magnitudes of 1e100 and above, or below 1e-99, have a three-digit exponent: no leading zero
// is dropped from it.
constexpr int smallestThreeDigitExponent = 100;

// Exponent form characters beside the decimals: first digit, point, "e", sign, three digits.
constexpr int exponentFormOverhead = 7;

// The decimal exponent of the leading digit of a magnitude: 0 for 0.1 < a < 10, 2 for 500,
// -1 for 0.1, -3 for 0.00123.
int decimalExponent(double magnitude) {
  double integral = 0.0;
  const double fraction = std::modf(std::log10(magnitude), &integral);
  int exponent = static_cast<int>(integral);
  if (exponent < 0 && fraction != 0.0) --exponent;
  return exponent;
}

void printFixed(LPWSTR text, int precision, double value) { FabsFormat(text, TEXT("%.*f"), precision, value); }
void printExponent(LPWSTR text, int precision, double value) { FabsFormat(text, TEXT("%.*e"), precision, value); }

// The significant digits of a printed number (up to its end or its "e"): from the first digit
// other than 0 to the last one other than 0, points not counted; a leading "-" is skipped.
// 0.0012 counts 2, 1.230e-003 counts 3, 0.001020 counts 3.
int significantDigits(LPCWSTR text) {
  if (*text == u'-') ++text;
  int count = 0;
  int sinceFirst = 0;
  for (; *text && *text != u'e'; ++text) {
    if (*text == u'.') continue;
    if (sinceFirst == 0 && *text == u'0') continue;
    ++sinceFirst;
    if (*text != u'0') count = sinceFirst;
  }
  return count;
}

enum class TrailingZeros { kept, dropped };

// Cleans a printed number in place: after "e", a "+" and then one "0" are dropped (a "-" keeps
// every exponent digit); after the first decimal, a run of zeros that ends at the "e" is dropped,
// and so is one that ends the text when trailing zeros are dropped.
void clean(LPWSTR text, TrailingZeros trailingZeros) {
  LPWSTR out = text;
  bool inDecimals = false;  // after the first decimal, before the "e"
  for (LPCWSTR in = text; *in;) {
    const WCHAR c = *in;
    if (c == u'e') {
      *out++ = *in++;
      inDecimals = false;
      if (*in == u'+') ++in;
      if (*in == u'0') ++in;
    } else if (c == u'.') {
      *out++ = *in++;
      if (*in) *out++ = *in++;  // the first decimal stays
      inDecimals = true;
    } else if (c == u'0' && inDecimals) {
      LPCWSTR runEnd = in;
      while (*runEnd == u'0') ++runEnd;
      const bool dropped = *runEnd == u'e' || (*runEnd == 0 && trailingZeros == TrailingZeros::dropped);
      while (in != runEnd) {
        if (dropped) ++in;
        else *out++ = *in++;
      }
    } else {
      *out++ = *in++;
    }
  }
  *out = 0;
}

void copyText(LPWSTR target, LPCWSTR source) {
  while ((*target++ = *source++) != 0) {
  }
}

void writeNonFinite(LPWSTR buffer, double value) {
  if (std::isnan(value)) copyText(buffer, TEXT("nan"));
  else copyText(buffer, value < 0 ? TEXT("-inf") : TEXT("inf"));
}

}  // namespace

}  // namespace dsup::dialog

extern "C" DSUP_API void DSUP_CALL DoubleFormat(LPWSTR buffer, double value, INT width, INT digits) noexcept {
  using namespace dsup::dialog;
  if (!buffer) return;
  if (!std::isfinite(value)) return writeNonFinite(buffer, value);
  if (value == 0.0) value = 0.0;  // -0 is shown as 0: the width budget counts no sign for it

  const bool trim = digits < 0;
  // Every precision below is bounded by the printed text's length: more decimals change nothing.
  const int decimals = static_cast<int>(std::min<long long>(std::llabs(digits), longestPrintedText));
  const int negative = value < 0 ? 1 : 0;
  const double magnitude = value == 0.0 ? 1.0 : std::fabs(value);
  const int exponent = decimalExponent(magnitude);
  const int fieldWidth = std::clamp(width, 0, widestField);

  // The decimals that fit the field in exponent form, counting the "+" and the leading exponent
  // zero that the clean-up drops.
  const int exponentBudget = fieldWidth - negative + (exponent >= 0 ? 1 : 0) +
                             (std::abs(exponent) < smallestThreeDigitExponent ? 1 : 0);
  const int exponentDecimals = std::max(exponentBudget - exponentFormOverhead, 0);

  if (exponent >= 0) {
    const int integerDigits = exponent + 1;
    if (integerDigits + negative > fieldWidth) {
      printExponent(buffer, std::min(decimals, exponentDecimals), value);
    } else {
      printFixed(buffer, std::min(decimals, std::max(fieldWidth - integerDigits - negative - 1, 0)), value);
    }
  } else if (!trim) {
    // A small value keeps its decimals whatever the width (it is never switched to exponent form),
    // as many as the text holds after its sign and "0.".
    printFixed(buffer, std::min(decimals, longestPrintedText - negative - 2), value);
  } else {
    // 0.1 and below in trim mode: the exponent form replaces the fixed form when it shows more
    // significant digits. A field too narrow for "0." leaves the fixed precision negative, which
    // prints the default six decimals; the comparison then decides as for any other width.
    printFixed(buffer, std::min(decimals, fieldWidth - negative - 2), value);
    WCHAR exponentForm[FABS_FORMAT_CAPACITY];
    printExponent(exponentForm, std::min(decimals - 1, exponentDecimals), value);
    if (significantDigits(exponentForm) > significantDigits(buffer)) copyText(buffer, exponentForm);
  }
  clean(buffer, trim ? TrailingZeros::dropped : TrailingZeros::kept);
}
