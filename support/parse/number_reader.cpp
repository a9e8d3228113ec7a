#include "parse/number_reader.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace dsup {

namespace {

// Decimal exponents are counted no further than this: beyond it every value is out of range.
constexpr int exponentLimit = 100000;

static_assert(parse_format::shortIntFieldWidth <= parse_format::realFieldWidth &&
                  parse_format::longIntFieldWidth <= parse_format::realFieldWidth,
              "every number field fits the copy of a REAL field");

// The copy of the field being converted: the widest field (REAL) and its terminating zero.
class FieldCopy {
 public:
  // Copies up to and including a zero or a line feed, or `width` characters, whichever comes
  // first, and terminates the copy. Reading stops at the text's zero, so nothing behind the text
  // is looked at.
  FieldCopy(const char* text, int width) {
    int copied = 0;
    while (copied < width) {
      const char c = text[copied];
      characters_[copied++] = c;
      if (c == '\0' || c == '\n') break;
    }
    characters_[copied] = '\0';
  }
  FieldCopy(const FieldCopy&) = delete;
  FieldCopy& operator=(const FieldCopy&) = delete;

  const char* begin() const { return characters_; }
  // Characters of the copy up to `end`, which points into it.
  int consumedUpTo(const char* end) const { return static_cast<int>(end - characters_); }

 private:
  char characters_[parse_format::realFieldWidth + 1];
};

// White space as the C locale knows it: blank, tab, line feed, vertical tab, form feed, carriage
// return.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

const char* skipSpace(const char* at) {
  while (isSpace(*at)) ++at;
  return at;
}

// Steps over a sign; returns whether it was a minus.
bool takeSign(const char*& at) {
  if (*at != '+' && *at != '-') return false;
  return *at++ == '-';
}

}  // namespace

NumberRead<LONG> readInteger(const char* text, int fieldWidth) {
  const FieldCopy field(text, fieldWidth);
  const char* at = skipSpace(field.begin());
  const bool negative = takeSign(at);
  const char* digits = at;
  // One beyond the largest magnitude is enough to know the value saturates either way.
  constexpr std::int64_t saturated = std::int64_t{std::numeric_limits<LONG>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; isDigit(*at); ++at) {
    magnitude = magnitude * 10 + (*at - '0');
    if (magnitude > saturated) magnitude = saturated;
  }
  if (at == digits) return {0, 0};
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<LONG>::max()) return {std::numeric_limits<LONG>::max(), field.consumedUpTo(at)};
  return {static_cast<LONG>(value), field.consumedUpTo(at)};
}

NumberRead<double> readReal(const char* text) {
  const FieldCopy field(text, parse_format::realFieldWidth);
  const char* at = skipSpace(field.begin());
  const bool negative = takeSign(at);
  const char* mantissa = at;

  // `order` is the decimal position of the first significant digit (1 for 1.5, -2 for 0.005), so
  // that a value out of the double's range can be told too large from too small.
  int digits = 0;
  int order = 0;
  bool significant = false;
  for (; isDigit(*at); ++at, ++digits) {
    significant = significant || *at != '0';
    if (significant) ++order;
  }
  if (*at == '.') {
    for (++at; isDigit(*at); ++at, ++digits) {
      if (significant) continue;
      if (*at != '0') significant = true;
      else --order;
    }
  }
  if (digits == 0) return {0.0, 0};

  const char* end = at;
  int exponent = 0;
  if (*at == 'e' || *at == 'E') {
    const char* exponentAt = at + 1;
    const bool negativeExponent = takeSign(exponentAt);
    if (isDigit(*exponentAt)) {
      for (; isDigit(*exponentAt); ++exponentAt)
        if (exponent < exponentLimit) exponent = exponent * 10 + (*exponentAt - '0');
      if (negativeExponent) exponent = -exponent;
      end = exponentAt;
    }
  }

  double value = 0.0;
  const auto conversion = std::from_chars(mantissa, end, value, std::chars_format::general);
  if (conversion.ec == std::errc::result_out_of_range)
    value = order + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
  return {negative ? -value : value, field.consumedUpTo(end)};
}

}  // namespace dsup
