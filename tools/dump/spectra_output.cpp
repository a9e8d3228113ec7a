// dsup-dump's output of spectra files: the header, every record with its descriptor and values, and
// the record index of a finished file.
#include <cstdio>

#include "dump_output.h"
#include "dump_text.h"
#include "plots.h"

namespace dsupdump {

namespace {

using dsupreader::IndexEntry;
using dsupreader::SpectraFile;
using dsupreader::SpectrumRecord;

const char* codingOf(const SpectrumRecord& record) { return record.differences ? "C" : "A"; }

// The extension's bytes as hex digits; empty for kinds without one.
std::string extensionText(const SpectrumRecord& record) {
  std::string text;
  if (!record.extension) return text;
  for (std::uint8_t byte : *record.extension) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02x", byte);
    text += digits;
  }
  return text;
}

std::string valuesText(const SpectrumRecord& record, const char* separator) {
  std::string text;
  for (std::size_t i = 0; i < record.values.size(); ++i) text += (i ? separator : "") + std::to_string(record.values[i]);
  return text;
}

std::string fieldsText(const SpectrumRecord& record, const char* separator) {
  std::string text;
  for (std::size_t i = 0; i < record.fields.size(); ++i) text += (i ? separator : "") + std::to_string(record.fields[i]);
  return text;
}

void writeText(std::ostream& out, Sections sections, const std::string& path, const SpectraFile& file) {
  out << "file " << quoted(path) << ": type " << file.fileType << ", " << file.fileLength << " bytes, "
      << file.records.size() << " records, "
      << (file.finished ? "finished with an index of " + std::to_string(file.index.size()) + " entries"
                        : std::string("still being recorded"))
      << '\n';
  if (sections.header) writeHeaderText(out, file);
  if (sections.points) {
    for (std::size_t i = 0; i < file.records.size(); ++i) {
      const SpectrumRecord& record = file.records[i];
      out << "  record " << i << " at " << record.offset << ": " << codingOf(record) << ", " << record.length
          << " bytes, descriptor " << record.descriptorValue << " (" << fieldsText(record, ", ") << ")";
      if (record.extension) out << ", extension " << extensionText(record);
      out << ", " << record.values.size() << " values: " << valuesText(record, " ") << '\n';
    }
    for (std::size_t i = 0; i < file.index.size(); ++i)
      out << "  index entry " << i << ": record at " << file.index[i].offset << ", descriptor "
          << file.index[i].descriptorValue << ", field " << file.index[i].fourthField << '\n';
  }
  writeViolationLines(out, file);
}

void writeCsv(std::ostream& out, Sections sections, const SpectraFile& file) {
  if (sections.header) writeHeaderCsv(out, file);
  if (!sections.points) return;
  if (sections.header) out << '\n';
  out << "record,offset,coding,length,descriptor,field1,field2,field3,field4,extension,values\n";
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const SpectrumRecord& record = file.records[i];
    out << i << ',' << record.offset << ',' << codingOf(record) << ',' << record.length << ','
        << record.descriptorValue << ',' << fieldsText(record, ",") << ',' << extensionText(record) << ','
        << valuesText(record, " ") << '\n';
  }
  out << "\nentry,offset,descriptor,field4\n";
  for (std::size_t i = 0; i < file.index.size(); ++i)
    out << i << ',' << file.index[i].offset << ',' << file.index[i].descriptorValue << ',' << file.index[i].fourthField
        << '\n';
}

void writeJsonRecord(std::ostream& out, const SpectrumRecord& record) {
  out << "{\"offset\":" << record.offset << ",\"coding\":\"" << codingOf(record) << "\",\"length\":" << record.length
      << ",\"descriptor\":" << record.descriptorValue << ",\"fields\":[" << fieldsText(record, ",")
      << "],\"extension\":" << (record.extension ? quoted(extensionText(record)) : std::string("null"))
      << ",\"values\":[" << valuesText(record, ",") << "]}";
}

void writeJson(std::ostream& out, Sections sections, const std::string& path, const SpectraFile& file) {
  out << "{\"file\":" << quoted(path) << ",\"fileType\":" << file.fileType << ",\"fileLength\":" << file.fileLength
      << ",\"finished\":" << (file.finished ? "true" : "false");
  if (sections.header) writeHeaderJson(out, file);
  if (sections.points) {
    out << ",\"records\":[";
    for (std::size_t i = 0; i < file.records.size(); ++i) {
      if (i) out << ',';
      writeJsonRecord(out, file.records[i]);
    }
    out << "],\"index\":[";
    for (std::size_t i = 0; i < file.index.size(); ++i)
      out << (i ? "," : "") << "{\"offset\":" << file.index[i].offset << ",\"descriptor\":" << file.index[i].descriptorValue
          << ",\"field4\":" << file.index[i].fourthField << '}';
    out << ']';
  }
  out << ',';
  writeJsonViolations(out, file);
  out << "}\n";
}

}  // namespace

void writeFile(std::ostream& out, Format format, Sections sections, const std::string& path, const SpectraFile& file) {
  switch (format) {
    case Format::text: return writeText(out, sections, path, file);
    case Format::csv: return writeCsv(out, sections, file);
    case Format::json: return writeJson(out, sections, path, file);
    case Format::svg: return writePlot(out, path, file);
  }
}

}  // namespace dsupdump
