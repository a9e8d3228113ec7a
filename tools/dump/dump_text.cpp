#include "dump_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace dsupdump {

namespace {

using dsupreader::DecodedFile;
using dsupreader::HeaderField;

std::string valueText(const HeaderField& field, bool json) {
  if (const auto* integer = std::get_if<std::int64_t>(&field.value)) return std::to_string(*integer);
  if (const auto* real = std::get_if<double>(&field.value)) return json ? jsonNumber(*real) : number(*real);
  return quoted(dsupreader::toUtf8(std::get<std::u16string>(field.value)));
}

}  // namespace

std::string number(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string jsonNumber(double value) { return std::isfinite(value) ? number(value) : quoted(number(value)); }

void writeHeaderText(std::ostream& out, const DecodedFile& file) {
  for (const HeaderField& field : file.header)
    out << "  " << field.name << " @" << field.offset << " = " << valueText(field, false) << '\n';
}

void writeHeaderCsv(std::ostream& out, const DecodedFile& file) {
  out << "field,offset,value\n";
  for (const HeaderField& field : file.header) out << field.name << ',' << field.offset << ',' << valueText(field, false) << '\n';
}

void writeHeaderJson(std::ostream& out, const DecodedFile& file) {
  out << ",\"header\":[";
  for (std::size_t i = 0; i < file.header.size(); ++i)
    out << (i ? "," : "") << "{\"name\":" << quoted(file.header[i].name) << ",\"offset\":" << file.header[i].offset
        << ",\"value\":" << valueText(file.header[i], true) << '}';
  out << ']';
}

void writeViolationLines(std::ostream& out, const DecodedFile& file) {
  for (const std::string& violation : file.violations) out << "  violation: " << violation << '\n';
}

void writeJsonViolations(std::ostream& out, const DecodedFile& file) {
  out << "\"violations\":[";
  for (std::size_t i = 0; i < file.violations.size(); ++i) out << (i ? "," : "") << quoted(file.violations[i]);
  out << ']';
}

}  // namespace dsupdump
