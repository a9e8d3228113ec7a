// SHORT_INT, LONG_INT and REAL: the decimal syntax only, the field widths, saturation, and where
// the cursor ends.
#include <dsup.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "parse_test_support.h"

namespace {

using dsuptest::compileOrFail;
using dsuptest::ParseRun;

enum class Kind { shortInt, longInt, real };

struct NumberCase {
  Kind kind;
  const char* text;
  bool matches;
  double value;  // as stored, also when nothing matched
  int cursor;    // after the number, or where the failing read looked
};

double storedValue(Kind kind, const ParseState& state) {
  switch (kind) {
    case Kind::shortInt: return state.shortValue;
    case Kind::longInt: return state.longValue;
    case Kind::real: return state.realValue;
  }
  return 0;
}

const std::vector<std::uint8_t>& numberTable() {
  static const std::vector<std::uint8_t> table = compileOrFail(
      "entry 0 short\nentry 1 long\nentry 2 real\n"
      "short:\n short_int\n yield 1\n end\n"
      "long:\n long_int\n yield 1\n end\n"
      "real:\n real\n yield 1\n end\n");
  return table;
}

void PrintTo(const NumberCase& c, std::ostream* out) { *out << ::testing::PrintToString(std::string(c.text)); }

class NumberReading : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberReading, StoresTheValueAndMovesOverWhatWasRead) {
  const NumberCase& c = GetParam();
  ParseRun run(numberTable(), c.text, static_cast<INT>(c.kind));
  run.state.realValue = run.state.longValue = run.state.shortValue = 77;
  EXPECT_EQ(run.next(), c.matches ? DSUP_PARSE_YIELDED : DSUP_PARSE_SYNTAX_ERROR);
  EXPECT_EQ(storedValue(c.kind, run.state), c.value);
  EXPECT_EQ(run.cursorOffset(), c.cursor);
}

constexpr double largest = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Integers, NumberReading,
    ::testing::Values(NumberCase{Kind::shortInt, "1234567890", true, -13035, 9},  // 123456789, low 16 bits
                      NumberCase{Kind::shortInt, "70000", true, 4464, 5},
                      NumberCase{Kind::shortInt, "-1", true, -1, 2},
                      NumberCase{Kind::shortInt, "+\t5", false, 0, 0},  // the sign must touch the digits
                      NumberCase{Kind::longInt, "2147483647", true, 2147483647, 10},
                      NumberCase{Kind::longInt, "2147483648", true, 2147483647, 10},
                      NumberCase{Kind::longInt, "-2147483649", true, -2147483648.0, 11},
                      NumberCase{Kind::longInt, "-99999999999999999", true, -2147483648.0, 14},
                      NumberCase{Kind::longInt, "\t+12x", true, 12, 4},
                      NumberCase{Kind::longInt, "0x10", true, 0, 1},
                      NumberCase{Kind::longInt, "\n5", false, 0, 0},  // the copy ends with the line feed
                      NumberCase{Kind::longInt, "abc", false, 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    Reals, NumberReading,
    ::testing::Values(NumberCase{Kind::real, "42.5\n", true, 42.5, 4},
                      NumberCase{Kind::real, ".5", true, 0.5, 2},
                      NumberCase{Kind::real, "5.", true, 5.0, 2},
                      NumberCase{Kind::real, "-0.25E-2,", true, -0.0025, 8},
                      NumberCase{Kind::real, "1e", true, 1.0, 1},  // an exponent needs digits
                      NumberCase{Kind::real, "1.5e+3x", true, 1500.0, 6},
                      NumberCase{Kind::real, "0.1", true, 0.1, 3},  // correctly rounded
                      NumberCase{Kind::real, "123456789012345678901234", true, 12345678901234567890.0, 20},
                      NumberCase{Kind::real, "1e999", true, largest, 5},
                      NumberCase{Kind::real, "-1e999", true, -largest, 6},
                      NumberCase{Kind::real, "1e-999", true, 0.0, 6},
                      NumberCase{Kind::real, "0x1p3", true, 0.0, 1},
                      NumberCase{Kind::real, "inf", false, 0.0, 0},
                      NumberCase{Kind::real, "nan", false, 0.0, 0},
                      NumberCase{Kind::real, "-.e1", false, 0.0, 0}));

}  // namespace
