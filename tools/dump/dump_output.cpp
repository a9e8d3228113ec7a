#include "dump_output.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace dsupdump {

namespace {

using dsupreader::HeaderField;
using dsupreader::SignalFile;

std::string number(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// A text in double quotes, with quotes, backslashes and control characters escaped, so that a
// hostile header text cannot break the output's structure or drive a terminal.
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

// JSON has no non-finite numbers: those are written as strings.
std::string jsonNumber(double value) { return std::isfinite(value) ? number(value) : quoted(number(value)); }

std::string valueText(const HeaderField& field, bool json) {
  if (const auto* integer = std::get_if<std::int64_t>(&field.value)) return std::to_string(*integer);
  if (const auto* real = std::get_if<double>(&field.value)) return json ? jsonNumber(*real) : number(*real);
  return quoted(dsupreader::toUtf8(std::get<std::u16string>(field.value)));
}

void writeText(std::ostream& out, Sections sections, const std::string& path, const SignalFile& file) {
  out << "file " << quoted(path) << ": type " << file.fileType << ", " << file.fileLength << " bytes, "
      << file.points.size() << " points, " << number(file.sampleInterval) << " ms between points\n";
  if (sections.header)
    for (const HeaderField& field : file.header)
      out << "  " << field.name << " @" << field.offset << " = " << valueText(field, false) << '\n';
  if (sections.points)
    for (std::size_t i = 0; i < file.points.size(); ++i)
      out << "  point " << i << " at " << number(file.timeOf(i)) << " ms: " << number(file.points[i]) << '\n';
  for (const std::string& violation : file.violations) out << "  violation: " << violation << '\n';
}

void writeCsv(std::ostream& out, Sections sections, const SignalFile& file) {
  if (sections.header) {
    out << "field,offset,value\n";
    for (const HeaderField& field : file.header)
      out << field.name << ',' << field.offset << ',' << valueText(field, false) << '\n';
  }
  if (sections.header && sections.points) out << '\n';
  if (sections.points) {
    out << "index,time_ms,value\n";
    for (std::size_t i = 0; i < file.points.size(); ++i)
      out << i << ',' << number(file.timeOf(i)) << ',' << number(file.points[i]) << '\n';
  }
}

void writeJsonViolations(std::ostream& out, const SignalFile& file) {
  out << "\"violations\":[";
  for (std::size_t i = 0; i < file.violations.size(); ++i) out << (i ? "," : "") << quoted(file.violations[i]);
  out << ']';
}

void writeJson(std::ostream& out, Sections sections, const std::string& path, const SignalFile& file) {
  out << "{\"file\":" << quoted(path) << ",\"fileType\":" << file.fileType << ",\"fileLength\":" << file.fileLength
      << ",\"sampleInterval\":" << jsonNumber(file.sampleInterval);
  if (sections.header) {
    out << ",\"header\":[";
    for (std::size_t i = 0; i < file.header.size(); ++i)
      out << (i ? "," : "") << "{\"name\":" << quoted(file.header[i].name) << ",\"offset\":" << file.header[i].offset
          << ",\"value\":" << valueText(file.header[i], true) << '}';
    out << ']';
  }
  if (sections.points) {
    out << ",\"points\":[";
    for (std::size_t i = 0; i < file.points.size(); ++i)
      out << (i ? "," : "") << '[' << jsonNumber(file.timeOf(i)) << ',' << jsonNumber(file.points[i]) << ']';
    out << ']';
  }
  out << ',';
  writeJsonViolations(out, file);
  out << "}\n";
}

}  // namespace

void writeFile(std::ostream& out, Format format, Sections sections, const std::string& path, const SignalFile& file) {
  switch (format) {
    case Format::text: return writeText(out, sections, path, file);
    case Format::csv: return writeCsv(out, sections, file);
    case Format::json: return writeJson(out, sections, path, file);
  }
}

void writeViolations(std::ostream& out, Format format, const std::string& path, const SignalFile& file) {
  if (format == Format::json) {
    out << "{\"file\":" << quoted(path) << ',';
    writeJsonViolations(out, file);
    out << "}\n";
    return;
  }
  if (file.verified()) {
    out << path << ": verified\n";
    return;
  }
  out << path << ": " << file.violations.size() << " violations\n";
  for (const std::string& violation : file.violations) out << "  " << violation << '\n';
}

}  // namespace dsupdump
