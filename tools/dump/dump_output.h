// The output formats of dsup-dump, for signal files (header and points) and spectra files
// (header, records and record index); svg plots the data alone.
#pragma once

#include <ostream>
#include <string>

#include "signal_reader.h"
#include "spectra_reader.h"

namespace dsupdump {

enum class Format { text, csv, json, svg };

// The header, and the data: a signal file's points, a spectra file's records and index.
struct Sections {
  bool header = true;
  bool points = true;
};

void writeFile(std::ostream& out, Format format, Sections sections, const std::string& path,
               const dsupreader::SignalFile& file);

void writeFile(std::ostream& out, Format format, Sections sections, const std::string& path,
               const dsupreader::SpectraFile& file);

void writeViolations(std::ostream& out, Format format, const std::string& path, const dsupreader::DecodedFile& file);

}  // namespace dsupdump
