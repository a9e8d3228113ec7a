// The three output formats of dsup-dump.
#pragma once

#include <ostream>
#include <string>

#include "signal_reader.h"

namespace dsupdump {

enum class Format { text, csv, json };

struct Sections {
  bool header = true;
  bool points = true;
};

void writeFile(std::ostream& out, Format format, Sections sections, const std::string& path,
               const dsupreader::SignalFile& file);

void writeViolations(std::ostream& out, Format format, const std::string& path, const dsupreader::SignalFile& file);

}  // namespace dsupdump
