#include "dump_output.h"

#include "dump_text.h"
#include "plots.h"

namespace dsupdump {

namespace {

using dsupreader::DecodedFile;
using dsupreader::SignalFile;

void writeText(std::ostream& out, Sections sections, const std::string& path, const SignalFile& file) {
  out << "file " << quoted(path) << ": type " << file.fileType << ", " << file.fileLength << " bytes, "
      << file.points.size() << " points, " << number(file.sampleInterval) << " ms between points\n";
  if (sections.header) writeHeaderText(out, file);
  if (sections.points)
    for (std::size_t i = 0; i < file.points.size(); ++i)
      out << "  point " << i << " at " << number(file.timeOf(i)) << " ms: " << number(file.points[i]) << '\n';
  writeViolationLines(out, file);
}

void writeCsv(std::ostream& out, Sections sections, const SignalFile& file) {
  if (sections.header) writeHeaderCsv(out, file);
  if (sections.header && sections.points) out << '\n';
  if (sections.points) {
    out << "index,time_ms,value\n";
    for (std::size_t i = 0; i < file.points.size(); ++i)
      out << i << ',' << number(file.timeOf(i)) << ',' << number(file.points[i]) << '\n';
  }
}

void writeJson(std::ostream& out, Sections sections, const std::string& path, const SignalFile& file) {
  out << "{\"file\":" << quoted(path) << ",\"fileType\":" << file.fileType << ",\"fileLength\":" << file.fileLength
      << ",\"sampleInterval\":" << jsonNumber(file.sampleInterval);
  if (sections.header) writeHeaderJson(out, file);
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
    case Format::svg: return writePlot(out, path, file);
  }
}

void writeViolations(std::ostream& out, Format format, const std::string& path, const DecodedFile& file) {
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
