#include "dump.h"

#include <optional>

#include "dump_output.h"
#include "signal_reader.h"
#include "spectra_reader.h"

namespace dsupdump {

namespace {

constexpr const char* usage =
    "usage: dsup-dump [--format=text|csv|json|svg] [--header | --points] [--verify] FILE\n"
    "  prints the header fields and the data of a signal file (types 108, 130, 179, 181: its points)\n"
    "  or of a spectra file (type 131: its records and record index); --header or --points prints\n"
    "  only the header or the data; --verify prints the file's violations of the format instead and\n"
    "  exits with 1 when there is any. --format=svg draws the data: a signal against time, or the\n"
    "  spectra against time as a heat map.\n";

struct Options {
  Format format = Format::text;
  Sections sections;
  bool verify = false;
  std::string path;
};

std::optional<Format> formatNamed(const std::string& name) {
  if (name == "text") return Format::text;
  if (name == "csv") return Format::csv;
  if (name == "json") return Format::json;
  if (name == "svg") return Format::svg;
  return std::nullopt;
}

std::optional<Options> parse(std::span<const std::string> arguments) {
  Options options;
  const std::string formatOption = "--format=";
  for (const std::string& argument : arguments) {
    if (argument.starts_with(formatOption)) {
      const std::optional<Format> format = formatNamed(argument.substr(formatOption.size()));
      if (!format) return std::nullopt;
      options.format = *format;
    } else if (argument == "--header") {
      options.sections.points = false;
    } else if (argument == "--points") {
      options.sections.header = false;
    } else if (argument == "--verify") {
      options.verify = true;
    } else if (argument.starts_with("-") || !options.path.empty()) {
      return std::nullopt;
    } else {
      options.path = argument;
    }
  }
  const bool someSection = options.sections.header || options.sections.points;
  // A plot shows the data and nothing else.
  const bool plotFits = options.format != Format::svg || (options.sections.points && !options.verify);
  if (options.path.empty() || !someSection || !plotFits) return std::nullopt;
  return options;
}

template <class File>
int report(const Options& options, const File& file, std::ostream& out) {
  if (!options.verify) {
    writeFile(out, options.format, options.sections, options.path, file);
    return exitVerified;
  }
  writeViolations(out, options.format, options.path, file);
  return file.verified() ? exitVerified : exitViolations;
}

}  // namespace

int runDump(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  const std::optional<Options> options = parse(arguments);
  if (!options) {
    err << usage;
    return exitUsage;
  }
  std::string error;
  const std::optional<std::vector<std::uint8_t>> bytes = dsupreader::loadFile(options->path, error);
  if (!bytes) {
    err << "dsup-dump: " << error << '\n';
    return exitUsage;
  }
  if (dsupreader::isSpectraFile(*bytes)) return report(*options, dsupreader::readSpectraFile(*bytes), out);
  return report(*options, dsupreader::readSignalFile(*bytes), out);
}

}  // namespace dsupdump
