// Floating-point conversions: f fixed, e and E with an exponent, g and G whichever of the two
// suits the value. Digits come from std::to_chars, which rounds exactly; exponents are rewritten
// with a sign and at least three digits (1.5e+005), as the wide printf family of the platform
// writes them.
#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "conversions.h"
#include "field_writer.h"

namespace qxformat {

namespace {

// A double is a binary fraction: its exact decimal form has at most 1074 digits after the point
// (and fewer significant ones), so any further decimals asked for are zeros and are not spelled
// out by to_chars.
constexpr int exactDecimals = 1074;
constexpr int exponentDigits = 3;

// Room for the longest spelled-out form: 309 integer digits, the point and exactDecimals.
using DigitBuffer = std::array<char, 1400>;

struct Spelled {
  std::string_view mantissa;  // digits and point, without exponent
  int exponent = 0;           // decimal exponent, for the exponent form
  std::size_t extraZeros = 0;
};

// The value's digits in fixed (chars_format::fixed) or exponent (chars_format::scientific) form
// with `precision` decimals; `alternate` keeps the point when there are no decimals.
Spelled spell(double magnitude, std::chars_format form, int precision, bool alternate, DigitBuffer& buffer) {
  const int spelledDecimals = std::min(precision, exactDecimals);
  // One unit is kept back for the point that # may add.
  const auto converted = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, magnitude, form, spelledDecimals);
  std::string_view text(buffer.data(), static_cast<std::size_t>(converted.ptr - buffer.data()));
  Spelled spelled;
  spelled.extraZeros = static_cast<std::size_t>(precision - spelledDecimals);
  if (form == std::chars_format::scientific) {
    const std::size_t e = text.find('e');
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), spelled.exponent);
    text = text.substr(0, e);
  }
  if (alternate && precision == 0) {
    buffer[text.size()] = '.';
    text = std::string_view(buffer.data(), text.size() + 1);
  }
  spelled.mantissa = text;
  return spelled;
}

// Drops the zeros at the end of the decimals, and the point when no decimal is left (g without #).
std::string_view trimDecimals(std::string_view mantissa) {
  if (mantissa.find('.') == std::string_view::npos) return mantissa;
  mantissa.remove_suffix(mantissa.size() - 1 - mantissa.find_last_not_of('0'));
  if (mantissa.back() == '.') mantissa.remove_suffix(1);
  return mantissa;
}

// "e+005", "E-308": the letter, the sign and at least three digits.
std::string_view spellExponent(int exponent, bool upperCase, std::array<char, 8>& buffer) {
  buffer[0] = upperCase ? 'E' : 'e';
  buffer[1] = exponent < 0 ? '-' : '+';
  char* digits = buffer.data() + 2;
  const auto converted = std::to_chars(digits, buffer.data() + buffer.size(), std::abs(exponent));
  const auto written = converted.ptr - digits;
  if (written < exponentDigits) {
    std::copy_backward(digits, converted.ptr, digits + exponentDigits);
    std::fill_n(digits, exponentDigits - written, '0');
    return {buffer.data(), 2 + exponentDigits};
  }
  return {buffer.data(), static_cast<std::size_t>(2 + written)};
}

bool isUpperCase(char16_t conversion) { return conversion == u'E' || conversion == u'G'; }

}  // namespace

bool convertFloating(OutputBuffer& out, const FormatDirective& d, ArgumentReader& arguments) {
  ArgumentValue argument{};
  if (!arguments.next(ArgumentType::floating, argument)) return false;
  const double value = argument.floating;
  const bool upperCase = isUpperCase(d.conversion);

  NumberField field;
  if (std::signbit(value)) field.prefix = "-";
  else if (d.plusSign) field.prefix = "+";
  else if (d.spaceSign) field.prefix = " ";

  if (!std::isfinite(value)) {
    if (std::isnan(value)) field.digits = upperCase ? "NAN" : "nan";
    else field.digits = upperCase ? "INF" : "inf";
    writeNumber(out, d, field);
    return true;
  }

  const double magnitude = std::fabs(value);
  const int precision = d.precision < 0 ? 6 : d.precision;
  DigitBuffer digits{};
  Spelled spelled;
  bool exponentForm = d.conversion != u'f';
  if (d.conversion == u'g' || d.conversion == u'G') {
    // The exponent form with P - 1 decimals decides: fixed form with P - 1 - X decimals when the
    // exponent X it shows is at least -4 and below P, exponent form with P - 1 decimals otherwise.
    const int significant = precision == 0 ? 1 : precision;
    spelled = spell(magnitude, std::chars_format::scientific, significant - 1, d.alternate, digits);
    if (spelled.exponent >= -4 && spelled.exponent < significant) {
      exponentForm = false;
      const long long decimals = static_cast<long long>(significant) - 1 - spelled.exponent;
      spelled = spell(magnitude, std::chars_format::fixed, static_cast<int>(std::min<long long>(decimals, INT_MAX)),
                      d.alternate, digits);
    }
    if (!d.alternate) {
      spelled.mantissa = trimDecimals(spelled.mantissa);
      spelled.extraZeros = 0;
    }
  } else {
    spelled = spell(magnitude, exponentForm ? std::chars_format::scientific : std::chars_format::fixed, precision,
                    d.alternate, digits);
  }

  std::array<char, 8> exponent{};
  field.digits = spelled.mantissa;
  field.extraZeros = spelled.extraZeros;
  if (exponentForm) field.suffix = spellExponent(spelled.exponent, upperCase, exponent);
  field.zeroPadding = d.zeroPad;
  writeNumber(out, d, field);
  return true;
}

}  // namespace qxformat
