// The engine's main loop: literal text is copied, each directive is parsed and carried out.
#include "wide_format.h"

#include "argument_reader.h"
#include "conversions.h"
#include "format_directive.h"
#include "output_buffer.h"

namespace qxformat {

namespace {

bool carryOut(OutputBuffer& out, const FormatDirective& d, ArgumentReader& arguments) {
  switch (d.conversion) {
    case u'd': case u'i': case u'u': case u'x': case u'X': case u'o':
      return convertInteger(out, d, arguments);
    case u'e': case u'E': case u'f': case u'g': case u'G':
      return convertFloating(out, d, arguments);
    case u'c':
      return convertCharacter(out, d, arguments);
    case u's':
      return convertText(out, d, arguments);
    default:  // '%'
      out.put(u'%');
      return true;
  }
}

FormatResult formatWith(char16_t* buffer, std::size_t capacity, const char16_t* format, ArgumentReader& arguments) {
  OutputBuffer out(buffer, capacity);
  bool argumentsMatched = true;
  for (const char16_t* p = format ? format : u""; *p != 0;) {
    if (*p != u'%') {
      out.put(*p++);
      continue;
    }
    const ParsedDirective parsed = parseDirective(p, arguments);
    argumentsMatched &= parsed.argumentsMatched;
    if (!parsed.valid) {
      // Not a directive: the '%' is copied, and the rest of it follows as plain text.
      out.put(*p++);
      continue;
    }
    argumentsMatched &= carryOut(out, parsed.directive, arguments);
    p = parsed.next;
  }
  return out.finish(argumentsMatched);
}

}  // namespace

FormatResult formatWide(char16_t* buffer, std::size_t capacity, const char16_t* format,
                        std::va_list arguments) noexcept {
  VariableArgumentReader reader(arguments);
  return formatWith(buffer, capacity, format, reader);
}

FormatResult formatWide(char16_t* buffer, std::size_t capacity, const char16_t* format,
                        std::span<const FormatArgument> arguments) noexcept {
  ArgumentListReader reader(arguments);
  return formatWith(buffer, capacity, format, reader);
}

FormatResult formatWide(char16_t* buffer, std::size_t capacity, const char16_t* format,
                        std::span<const FormatArgument> leading, std::va_list rest) noexcept {
  LeadingArgumentsReader reader(leading, rest);
  return formatWith(buffer, capacity, format, reader);
}

}  // namespace qxformat
