// A driver's view: a method file read line by line with the line reader and parsed with the
// grammar that dsup-grammar compiled at build time (method.grammar), every value checked. The
// file is read as written on Linux (line feeds) and as the method editor writes it on Windows
// (carriage return and line feed).
#include <dsup.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "method_grammar.h"
#include "parse_test_support.h"

namespace {

constexpr INT methodLines = 1;
constexpr INT timetableLines = 2;

struct Row {
  double time = 0;
  double flow = 0;
  SHORT percentB = 0;
  std::string curve;
  std::string event;
  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.time << ", " << row.flow << ", " << row.percentB << ", " << row.curve << ", " << row.event;
}

struct Method {
  int comments = 0, blanks = 0, sections = 0;
  std::string name, author;
  WORD mode = 0;
  double flow = 0, ovenTemperature = 0, runTime = 0;
  LONG pressureMax = 0, wavelength = 0, dataPoints = 0;
  SHORT pressureMin = 0, injectionVolume = 0, bandwidth = 0;
  char channel = 0;
  bool columnHeads = false;
  std::vector<Row> rows;
};

// Takes the results of one line into the method, as a driver would; returns the key for the next.
INT takeResult(const ParseState& state, INT key, Method& method, Row& row) {
  switch (state.resultCode) {
    case 1: ++method.comments; break;
    case 2: ++method.blanks; break;
    case 3: ++method.sections; break;
    case 4: ++method.sections; return timetableLines;
    case 5: ++method.sections; return methodLines;
    case 10: method.name = state.text; break;
    case 11: method.author = state.text; break;
    case 12: method.flow = state.realValue; break;
    case 13: method.pressureMax = state.longValue; break;
    case 14: method.pressureMin = state.shortValue; break;
    case 15: method.ovenTemperature = state.realValue; break;
    case 16: method.runTime = state.realValue; break;
    case 17: method.injectionVolume = state.shortValue; break;
    case 18: method.wavelength = state.longValue; break;
    case 19: method.bandwidth = state.shortValue; break;
    case 20: method.mode = state.tag; break;
    case 21: method.channel = state.matchedChar; break;
    case 22: method.dataPoints = state.longValue; break;
    case 29: method.columnHeads = true; break;
    case 30: row.time = state.realValue; break;
    case 31: row.flow = state.realValue; break;
    case 32:
      row.percentB = state.shortValue;
      row.curve = state.text;
      break;
    case 33:
      row.event = state.text;
      method.rows.push_back(row);
      break;
    default: ADD_FAILURE() << "result code " << state.resultCode;
  }
  return key;
}

Method readMethod(HANDLE file) {
  Method method;
  INT key = methodLines;
  char line[128];
  for (int number = 1; DSupReadLineFromFile(line, sizeof line - 1, file); ++number) {
    ParseState state{};
    EXPECT_EQ(DSupParseInit(reinterpret_cast<const ParseTable*>(methodGrammar), key, line, &state), 1);
    Row row;
    INT result;
    INT nextKey = key;
    while ((result = DSupParseNext(&state)) == DSUP_PARSE_YIELDED) nextKey = takeResult(state, key, method, row);
    EXPECT_EQ(result, DSUP_PARSE_END) << "line " << number << ": " << line;
    key = nextKey;
  }
  return method;
}

using MethodFile = dsuptest::LineFileTest;

TEST_F(MethodFile, EveryValueIsReadWithEitherLineEnd) {
  std::ifstream in(METHOD_FILE, std::ios::binary);
  const std::string written(std::istreambuf_iterator<char>(in), {});
  for (const std::string_view end : {"\n", "\r\n"}) {
    SCOPED_TRACE(end.size());
    std::string text;
    for (char c : written) text += c == '\n' ? std::string(end) : std::string(1, c);
    HANDLE file = open(text);
    const Method method = readMethod(file);
    CloseHandle(file);

    EXPECT_EQ(method.comments, 3);
    EXPECT_EQ(method.blanks, 2);
    EXPECT_EQ(method.sections, 3);
    EXPECT_EQ(method.name, "Isocratic 5 um C18, 250 mm");
    EXPECT_EQ(method.author, "L. Example (QA)");
    EXPECT_EQ(method.mode, 2);
    EXPECT_EQ(method.flow, 1.25);
    EXPECT_EQ(method.pressureMax, 400);
    EXPECT_EQ(method.pressureMin, 5);
    EXPECT_EQ(method.ovenTemperature, 40.5);
    EXPECT_EQ(method.runTime, 12.5);
    EXPECT_EQ(method.injectionVolume, 10);
    EXPECT_EQ(method.wavelength, 254);
    EXPECT_EQ(method.bandwidth, 4);
    EXPECT_EQ(method.channel, 'B');
    EXPECT_EQ(method.dataPoints, 480000);
    EXPECT_TRUE(method.columnHeads);
    const std::vector<Row> rows = {
        {0.00, 1.250, 5, "linear", "EV0001"},  {1.00, 1.250, 5, "linear", "EV0002"},
        {2.50, 1.000, 20, "convex", "EV0003"}, {4.00, 1.000, 45, "linear", "EV0004"},
        {5.50, 0.800, 60, "concave", "EV0005"}, {7.00, 0.800, 95, "step", "EV0006"},
        {8.00, 0.800, 95, "linear", "EV0007"}, {9.00, 1.250, 5, "step", "EV0008"},
        {10.50, 1.250, 5, "linear", "EV0009"}, {11.25, 1.250, 5, "linear", "EV0010"},
        {12.50, 1.250, 5, "linear", "EV0011"}};
    EXPECT_EQ(method.rows, rows);
  }
}

}  // namespace
