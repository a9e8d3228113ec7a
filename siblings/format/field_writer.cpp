#include "field_writer.h"

namespace qxformat {

namespace {

std::size_t padding(const FormatDirective& directive, std::size_t length) {
  const auto width = static_cast<std::size_t>(directive.width);
  return width > length ? width - length : 0;
}

template <class Text>
void writePaddedText(OutputBuffer& out, const FormatDirective& directive, Text text, void (OutputBuffer::*put)(Text)) {
  const std::size_t pad = padding(directive, text.size());
  if (!directive.leftAlign) out.put(u' ', pad);
  (out.*put)(text);
  if (directive.leftAlign) out.put(u' ', pad);
}

}  // namespace

void writeNumber(OutputBuffer& out, const FormatDirective& directive, const NumberField& field) {
  const std::size_t length = field.prefix.size() + field.precisionZeros + field.digits.size() +
                             field.extraZeros + field.suffix.size();
  const std::size_t pad = padding(directive, length);
  const bool zeros = field.zeroPadding && !directive.leftAlign;
  if (!directive.leftAlign && !zeros) out.put(u' ', pad);
  out.putBytes(field.prefix);
  out.put(u'0', field.precisionZeros + (zeros ? pad : 0));
  out.putBytes(field.digits);
  out.put(u'0', field.extraZeros);
  out.putBytes(field.suffix);
  if (directive.leftAlign) out.put(u' ', pad);
}

void writeText(OutputBuffer& out, const FormatDirective& directive, std::u16string_view text) {
  writePaddedText<std::u16string_view>(out, directive, text, &OutputBuffer::put);
}

void writeText(OutputBuffer& out, const FormatDirective& directive, std::string_view bytes) {
  writePaddedText<std::string_view>(out, directive, bytes, &OutputBuffer::putBytes);
}

}  // namespace qxformat
