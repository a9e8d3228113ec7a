// Numbers as users type them into dialog fields: the one reading of a field's text as a decimal
// number or a decimal integer, for the number fields and for the field checks.
//
// Only the decimal syntax is a number here; the texts that the C library's readers also take
// (inf, nan, hexadecimal 0x10, a number followed by other text) are not. The readers do not
// depend on the C library's locale: the decimal point is always ".". They allocate nothing, keep
// no state and may be called from any thread.
#pragma once

#include <dsup.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dsup::dialog {

// A field's text, or a part of it, as UTF-16 code units.
using FieldText = std::basic_string_view<WCHAR>;

// The longest text that the readers read: the longest text a number field is given. A longer
// text is not a number.
inline constexpr std::size_t longestNumberText = DSUP_FLOAT_TEXT_CAPACITY - 1;

// The text without the blanks (spaces and tabs) at its start and at its end.
FieldText withoutBlanks(FieldText text) noexcept;

// The value of a text that is one decimal number and nothing else: an optional sign ("+" or
// "-"), digits with an optional decimal point and at least one digit before or after it, then an
// optional exponent ("e" or "E", an optional sign, at least one digit). No blanks: the caller
// removes them first. The value is the double nearest to the number; a number too large in
// magnitude for a double reads as infinity with its sign and one too small as zero, so that a
// range check reports the first. Nothing for any other text, the empty text included.
std::optional<double> readDecimal(FieldText text) noexcept;

// The value of a text that is one decimal integer and nothing else: an optional sign and at
// least one digit. Nothing for any other text, and for a number outside the signed 32-bit range
// (it is never wrapped into it).
std::optional<std::int32_t> readInteger(FieldText text) noexcept;

}  // namespace dsup::dialog
