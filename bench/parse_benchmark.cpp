// Lines per second of the table-driven parser on a typical method line (three keywords with
// values), against a hand-written sscanf parser of the same lines as the baseline. The run ends
// with the ratio of the two.
#include <benchmark/benchmark.h>
#include <dsup.h>

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "grammar_compiler.h"

namespace {

constexpr const char* grammarText = R"(
entry 1 item
list quantities flow, pressure, temperature
item:
    keyword_lookup quantities
flow:
    keyword "Flow" +equals +real
    yield 1
    goto next
pressure:
    keyword "Pres" +equals +real
    yield 2
    goto next
temperature:
    keyword "Temp" +equals +real
    yield 3
next:
    on_match item
    charset ","
    end
)";

struct MethodValues {
  double flow = 0;
  double pressure = 0;
  double temperature = 0;
};

const std::vector<std::uint8_t>& table() {
  static const std::vector<std::uint8_t> bytes = grammar::compileGrammar(grammarText).bytes;
  return bytes;
}

// Lines as a method file holds them, with varying values and keyword orders.
const std::vector<std::string>& lines() {
  static const std::vector<std::string> all = [] {
    std::vector<std::string> made;
    for (int i = 0; i < 64; ++i) {
      char flow[32], temperature[32], pressure[32];
      std::snprintf(flow, sizeof flow, "Flow = %.3f", 0.5 + i * 0.025);
      std::snprintf(temperature, sizeof temperature, "Temp = %.1f", 30.0 + i * 0.5);
      std::snprintf(pressure, sizeof pressure, "Pres = %d", 150 + 3 * i);
      const std::string parts[3] = {flow, temperature, pressure};
      made.push_back(parts[i % 3] + ", " + parts[(i + 1) % 3] + ", " + parts[(i + 2) % 3] + "\n");
    }
    return made;
  }();
  return all;
}

bool parseWithTable(const char* line, MethodValues& values) {
  ParseState state;
  if (DSupParseInit(reinterpret_cast<const ParseTable*>(table().data()), 1, line, &state) != 1) return false;
  INT result;
  while ((result = DSupParseNext(&state)) == DSUP_PARSE_YIELDED) {
    switch (state.resultCode) {
      case 1: values.flow = state.realValue; break;
      case 2: values.pressure = state.realValue; break;
      default: values.temperature = state.realValue; break;
    }
  }
  return result == DSUP_PARSE_END;
}

bool sameWord(const char* text, const char* lowerCaseWord) {
  for (; *lowerCaseWord; ++text, ++lowerCaseWord)
    if ((*text | 0x20) != *lowerCaseWord) return false;
  return *text == '\0';
}

// The way a driver would parse the line by hand: one sscanf per "name = value" item.
bool parseWithSscanf(const char* line, MethodValues& values) {
  for (const char* at = line;;) {
    char name[16];
    double value = 0;
    int used = 0;
    if (std::sscanf(at, " %15[A-Za-z] = %lf%n", name, &value, &used) != 2) return false;
    if (sameWord(name, "flow")) values.flow = value;
    else if (sameWord(name, "pres")) values.pressure = value;
    else if (sameWord(name, "temp")) values.temperature = value;
    else return false;
    at += used;
    while (*at == ' ') ++at;
    if (*at != ',') return *at == '\n' || *at == '\0';
    ++at;
  }
}

template <bool (*parse)(const char*, MethodValues&)>
void parseLines(benchmark::State& state) {
  MethodValues values;
  for (auto _ : state) {
    for (const std::string& line : lines()) {
      if (!parse(line.c_str(), values)) state.SkipWithError("a line did not parse");
      benchmark::DoNotOptimize(values);
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines().size()));
}

void TableDrivenParser(benchmark::State& state) { parseLines<parseWithTable>(state); }
void SscanfParser(benchmark::State& state) { parseLines<parseWithSscanf>(state); }

BENCHMARK(TableDrivenParser);
BENCHMARK(SscanfParser);

// Both parsers must read the same values from every line, or the comparison means nothing.
bool parsersAgree() {
  for (const std::string& line : lines()) {
    MethodValues ours, theirs;
    if (!parseWithTable(line.c_str(), ours) || !parseWithSscanf(line.c_str(), theirs) || ours.flow != theirs.flow ||
        ours.pressure != theirs.pressure || ours.temperature != theirs.temperature) {
      std::cerr << "the parsers disagree on: " << line;
      return false;
    }
  }
  return true;
}

// Keeps the lines per second of each benchmark for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto rate = run.counters.find("items_per_second");
      if (rate != run.counters.end()) linesPerSecond[run.benchmark_name()] = rate->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::map<std::string, double> linesPerSecond;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv) || !parsersAgree()) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double ours = reporter.linesPerSecond["TableDrivenParser"];
  const double baseline = reporter.linesPerSecond["SscanfParser"];
  if (ours > 0 && baseline > 0)
    std::cout << std::fixed << std::setprecision(0) << "\nlines/s: table-driven parser " << ours << ", sscanf "
              << baseline << "; ratio " << std::setprecision(2) << ours / baseline << "\n";
  benchmark::Shutdown();
  return 0;
}
