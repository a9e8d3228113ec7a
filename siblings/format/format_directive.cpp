#include "format_directive.h"

#include <climits>

namespace qxformat {

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int readCount(const char16_t*& position) {
  long long value = 0;
  for (; isDigit(*position); ++position) {
    value = value * 10 + (*position - u'0');
    if (value > INT_MAX) value = INT_MAX;
  }
  return static_cast<int>(value);
}

// A * width or precision; false when the argument list has no integer there.
bool readStar(ArgumentReader& arguments, int& value) {
  ArgumentValue argument{};
  if (!arguments.next(ArgumentType::int32, argument)) return false;
  value = static_cast<int>(argument.integer);
  return true;
}

bool acceptsSize(char16_t conversion, SizePrefix size) {
  switch (conversion) {
    case u'd': case u'i': case u'u': case u'x': case u'X': case u'o':
      return true;
    case u'e': case u'E': case u'f': case u'g': case u'G':
      return size == SizePrefix::none || size == SizePrefix::l;
    case u'c': case u's':
      return size == SizePrefix::none || size == SizePrefix::h || size == SizePrefix::l;
    case u'%':
      return size == SizePrefix::none;
    default:
      return false;
  }
}

}  // namespace

ParsedDirective parseDirective(const char16_t* percent, ArgumentReader& arguments) {
  ParsedDirective parsed;
  FormatDirective& d = parsed.directive;
  const char16_t* p = percent + 1;

  for (;; ++p) {
    if (*p == u'-') d.leftAlign = true;
    else if (*p == u'+') d.plusSign = true;
    else if (*p == u' ') d.spaceSign = true;
    else if (*p == u'#') d.alternate = true;
    else if (*p == u'0') d.zeroPad = true;
    else break;
  }

  if (*p == u'*') {
    ++p;
    int width = 0;
    if (!readStar(arguments, width)) parsed.argumentsMatched = false;
    if (width < 0) {
      d.leftAlign = true;
      d.width = width == INT_MIN ? INT_MAX : -width;
    } else {
      d.width = width;
    }
  } else {
    d.width = readCount(p);
  }

  if (*p == u'.') {
    ++p;
    if (*p == u'*') {
      ++p;
      int precision = -1;
      if (!readStar(arguments, precision)) parsed.argumentsMatched = false;
      d.precision = precision < 0 ? -1 : precision;
    } else {
      d.precision = readCount(p);
    }
  }

  if (*p == u'h') {
    d.size = SizePrefix::h;
    ++p;
  } else if (*p == u'l') {
    ++p;
    d.size = SizePrefix::l;
    if (*p == u'l') {
      d.size = SizePrefix::ll;
      ++p;
    }
  } else if (p[0] == u'I' && p[1] == u'6' && p[2] == u'4') {  // stops at a terminator
    d.size = SizePrefix::i64;
    p += 3;
  }

  d.conversion = *p;
  parsed.valid = d.conversion != 0 && acceptsSize(d.conversion, d.size);
  parsed.next = d.conversion != 0 ? p + 1 : p;
  return parsed;
}

}  // namespace qxformat
