// The formatting engine of the wide printf family, shared by every sibling function that formats
// (FabsFormat, UtilMessageBox) and by the library's help line.
//
// It writes UTF-16 text by the conventions of the Windows wide printf functions: %s takes a
// UTF-16 text (%hs a single-byte one), %c a UTF-16 code unit (%hc a byte), exponents are written
// with a sign and at least three digits (1.5e+005), and the size prefixes are h (16 bits), l
// (32 bits, as LONG is), ll and I64 (64 bits). Flags - + space # 0, a width and a precision (both
// may be *) and the conversions d i u x X o e E f g G c s % are understood; any other directive is
// copied to the output as it stands, and %n is never carried out.
//
// The engine never writes past the capacity it is given: the text is cut to capacity - 1 code
// units and always terminated (a capacity of 0 writes nothing). It allocates nothing and throws
// nothing, whatever the widths and precisions asked for. Safe to call from any thread.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

namespace qxformat {

struct FormatResult {
  std::size_t length = 0;       // code units written, without the terminator
  bool truncated = false;       // the text did not fit and was cut
  bool argumentsMatched = true; // every conversion found an argument of its kind (list form only)
};

// One argument of the list form: an integer (of any width, with its sign), a double, a UTF-16
// text or a single-byte text (null pointers print as "(null)").
class FormatArgument {
 public:
  enum class Kind { integer, floating, wideText, narrowText };

  template <class Integer>
    requires std::is_integral_v<Integer>
  constexpr FormatArgument(Integer value) : kind_(Kind::integer), integer_(static_cast<std::int64_t>(value)) {}
  constexpr FormatArgument(double value) : kind_(Kind::floating), floating_(value) {}
  constexpr FormatArgument(const char16_t* text) : kind_(Kind::wideText), wideText_(text) {}
  constexpr FormatArgument(const char* text) : kind_(Kind::narrowText), narrowText_(text) {}

  constexpr Kind kind() const { return kind_; }
  constexpr std::int64_t integer() const { return integer_; }
  constexpr double floating() const { return floating_; }
  constexpr const char16_t* wideText() const { return wideText_; }
  constexpr const char* narrowText() const { return narrowText_; }

 private:
  Kind kind_;
  union {
    std::int64_t integer_;
    double floating_;
    const char16_t* wideText_;
    const char* narrowText_;
  };
};

// Formats from a C variable argument list, which must hold an argument of the right type for
// every conversion (as for vswprintf). The list is read through a copy; `arguments` is left as
// it was. A null format gives an empty text.
FormatResult formatWide(char16_t* buffer, std::size_t capacity, const char16_t* format,
                        std::va_list arguments) noexcept;

// Formats from a list of arguments. A conversion whose argument is missing or of another kind
// (a text for %d, an integer for %f) writes nothing and clears argumentsMatched; the arguments
// after it keep their places.
FormatResult formatWide(char16_t* buffer, std::size_t capacity, const char16_t* format,
                        std::span<const FormatArgument> arguments) noexcept;

// Formats from the `leading` arguments, then from a C variable argument list: for a caller that
// puts arguments of its own in front of those it was given. The list is read through a copy.
FormatResult formatWide(char16_t* buffer, std::size_t capacity, const char16_t* format,
                        std::span<const FormatArgument> leading, std::va_list rest) noexcept;

}  // namespace qxformat
