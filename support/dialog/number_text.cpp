#include "dialog/number_text.h"

#include <array>
#include <charconv>
#include <limits>
#include <system_error>

namespace dsup::dialog {

namespace {

// Without an exponent, a number of at most this many characters lies between 1e-100 and 1e101,
// well within the double range: only its exponent can take it out of the range.
static_assert(longestNumberText < 300, "a number without an exponent must fit the double range");

bool isBlank(WCHAR c) { return c == u' ' || c == u'\t'; }
bool isDigit(WCHAR c) { return c >= u'0' && c <= u'9'; }

// A number's characters as std::from_chars reads them: single bytes, checked one by one while the
// syntax is followed.
class NarrowNumber {
 public:
  void append(WCHAR c) { characters_[length_++] = static_cast<char>(c); }
  const char* begin() const { return characters_.data(); }
  const char* end() const { return characters_.data() + length_; }

 private:
  std::array<char, longestNumberText> characters_;
  std::size_t length_ = 0;
};

enum class PlusSign { dropped, kept };

// Takes the sign at the front of `text`, if any, into `number`; true when it was "-". A leading
// "+" of a number is dropped (from_chars does not take it), one of an exponent kept.
bool takeSign(FieldText& text, NarrowNumber& number, PlusSign plus) {
  if (text.empty() || (text.front() != u'-' && text.front() != u'+')) return false;
  const bool minus = text.front() == u'-';
  if (minus || plus == PlusSign::kept) number.append(text.front());
  text.remove_prefix(1);
  return minus;
}

// Takes the digits at the front of `text` into `number`; returns how many there were.
std::size_t takeDigits(FieldText& text, NarrowNumber& number) {
  std::size_t count = 0;
  while (!text.empty() && isDigit(text.front())) {
    number.append(text.front());
    text.remove_prefix(1);
    ++count;
  }
  return count;
}

}  // namespace

FieldText withoutBlanks(FieldText text) noexcept {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<double> readDecimal(FieldText text) noexcept {
  if (text.size() > longestNumberText) return std::nullopt;
  NarrowNumber number;
  const bool negative = takeSign(text, number, PlusSign::dropped);
  std::size_t mantissaDigits = takeDigits(text, number);
  if (!text.empty() && text.front() == u'.') {
    number.append(u'.');
    text.remove_prefix(1);
    mantissaDigits += takeDigits(text, number);
  }
  if (mantissaDigits == 0) return std::nullopt;
  bool exponentNegative = false;
  if (!text.empty() && (text.front() == u'e' || text.front() == u'E')) {
    number.append(u'e');
    text.remove_prefix(1);
    exponentNegative = takeSign(text, number, PlusSign::kept);
    if (takeDigits(text, number) == 0) return std::nullopt;
  }
  if (!text.empty()) return std::nullopt;

  double value = 0.0;
  const auto [end, error] = std::from_chars(number.begin(), number.end(), value);
  if (end != number.end()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    value = exponentNegative ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
  }
  if (error != std::errc{}) return std::nullopt;
  return value;
}

std::optional<std::int32_t> readInteger(FieldText text) noexcept {
  if (text.size() > longestNumberText) return std::nullopt;
  NarrowNumber number;
  takeSign(text, number, PlusSign::dropped);
  if (takeDigits(text, number) == 0 || !text.empty()) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(number.begin(), number.end(), value);
  if (error != std::errc{} || end != number.end()) return std::nullopt;
  return value;
}

}  // namespace dsup::dialog
