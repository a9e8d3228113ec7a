// Integer conversions: d and i signed; u, o, x and X unsigned. The precision is the least number
// of digits (a value 0 with precision 0 has none); # puts 0x before nonzero hexadecimal values and
// a leading 0 before octal ones.
#include <array>
#include <cstdint>
#include <string_view>

#include "conversions.h"
#include "field_writer.h"

namespace qxformat {

namespace {

struct IntegerValue {
  std::uint64_t magnitude = 0;
  bool negative = false;
};

bool isSigned(char16_t conversion) { return conversion == u'd' || conversion == u'i'; }

bool is64Bit(SizePrefix size) { return size == SizePrefix::ll || size == SizePrefix::i64; }

IntegerValue interpret(const FormatDirective& d, std::int64_t raw) {
  if (isSigned(d.conversion)) {
    std::int64_t value = raw;
    if (d.size == SizePrefix::h) value = static_cast<std::int16_t>(raw);
    else if (!is64Bit(d.size)) value = static_cast<std::int32_t>(raw);
    const bool negative = value < 0;
    // Negating in unsigned arithmetic is exact for the most negative value too.
    const auto magnitude = negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    return {magnitude, negative};
  }
  if (d.size == SizePrefix::h) return {static_cast<std::uint16_t>(raw), false};
  if (!is64Bit(d.size)) return {static_cast<std::uint32_t>(raw), false};
  return {static_cast<std::uint64_t>(raw), false};
}

unsigned radixOf(char16_t conversion) {
  switch (conversion) {
    case u'o': return 8;
    case u'x': case u'X': return 16;
    default: return 10;
  }
}

// Writes the digits at the end of `digits` and returns them; none for 0.
std::string_view spell(std::uint64_t magnitude, unsigned radix, bool upperCase, std::array<char, 24>& digits) {
  const char* symbols = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
  std::size_t start = digits.size();
  for (; magnitude != 0; magnitude /= radix) digits[--start] = symbols[magnitude % radix];
  return {digits.data() + start, digits.size() - start};
}

}  // namespace

bool convertInteger(OutputBuffer& out, const FormatDirective& d, ArgumentReader& arguments) {
  ArgumentValue argument{};
  if (!arguments.next(is64Bit(d.size) ? ArgumentType::int64 : ArgumentType::int32, argument)) return false;
  const IntegerValue value = interpret(d, argument.integer);

  std::array<char, 24> buffer{};
  NumberField field;
  field.digits = spell(value.magnitude, radixOf(d.conversion), d.conversion == u'X', buffer);
  // Without a precision the least number of digits is 1, so that 0 prints as "0".
  const std::size_t minimumDigits = d.precision < 0 ? 1 : static_cast<std::size_t>(d.precision);
  if (field.digits.size() < minimumDigits) field.precisionZeros = minimumDigits - field.digits.size();
  if (d.alternate && d.conversion == u'o' && field.precisionZeros == 0) field.precisionZeros = 1;

  std::string_view prefix;
  if (value.negative) prefix = "-";
  else if (isSigned(d.conversion) && d.plusSign) prefix = "+";
  else if (isSigned(d.conversion) && d.spaceSign) prefix = " ";
  else if (d.alternate && value.magnitude != 0 && d.conversion == u'x') prefix = "0x";
  else if (d.alternate && value.magnitude != 0 && d.conversion == u'X') prefix = "0X";
  field.prefix = prefix;
  field.zeroPadding = d.zeroPad && d.precision < 0;
  writeNumber(out, d, field);
  return true;
}

}  // namespace qxformat
