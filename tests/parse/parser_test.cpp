// The token parser over the documented tables and small grammars: results and values, blanks
// against tabs, numbers (the decimal syntax only, the field widths, saturation), text copies, the
// test rule with armed jumps, fields, keywords and character sets, the cursor's limits, and
// parsing on several threads at once.
#include <dsup.h>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "parse_test_support.h"

namespace dsuptest {
namespace {

TEST(ParseExamples, DocumentedTablesYieldTheirValueThenEndForGood) {
  const struct {
    bool lookup;  // the keyword lookup table with key 1, else the temperature table with key 7
    const char* text;
    INT result;
    WORD resultCode;
    double value;
    int cursor;  // where the first call stopped
  } cases[] = {{false, "temp = 42.5\n", DSUP_PARSE_YIELDED, 1, 42.5, 11},
               {false, "   temp   =   42.5", DSUP_PARSE_YIELDED, 1, 42.5, 18},  // blanks are passed before every step
               {false, "temp =\t42.5", DSUP_PARSE_YIELDED, 1, 42.5, 11},  // tabs only by the number conversion itself
               {false, "temp : 42.5\n", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 5},
               {false, "\ttemp = 42.5", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 0},
               {false, "temp\t= 42.5", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 4},
               {true, "temp=70\n", DSUP_PARSE_YIELDED, 2, 70.0, 7},
               {true, "flow = 1.5\n", DSUP_PARSE_YIELDED, 1, 1.5, 10},  // through the GOTO
               {true, "FLOW=2", DSUP_PARSE_YIELDED, 1, 2.0, 6},
               {true, "pres=1\n", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 0},
               {true, "fl=1\n", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 0},
               {true, "temperature=3", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ParseRun run(c.lookup ? keywordLookupTable : temperatureTable, c.text, c.lookup ? 1 : 7);
    ASSERT_EQ(run.initResult, 1);
    ASSERT_EQ(run.next(), c.result);
    EXPECT_EQ(run.cursorOffset(), c.cursor);
    if (c.result != DSUP_PARSE_YIELDED) continue;
    EXPECT_EQ(copyOf(run.state.resultCode), c.resultCode);
    EXPECT_EQ(copyOf(run.state.realValue), c.value);
    EXPECT_EQ(run.next(), DSUP_PARSE_END);
    EXPECT_EQ(run.next(), DSUP_PARSE_END) << "never runs on past the last instruction";
  }
}

TEST(ParseExamples, KeyOutsideTheDirectoryGivesZeroAndKeepsPc) {
  const char* text = "temp = 1\n";
  for (INT key : {8, 7 + 65536, -1}) {
    ParseState state{};
    state.pc = 5;
    EXPECT_EQ(DSupParseInit(reinterpret_cast<const ParseTable*>(temperatureTable.data()), key, text, &state), 0);
    EXPECT_EQ(copyOf(state.pc), 5);
    EXPECT_EQ(copyOf(state.cursor), text);
  }
}

TEST(Numbers, AreStoredAndTheCursorMovesOverWhatWasRead) {
  const std::vector<std::uint8_t> table = compileOrFail(
      "entry 0 short\nentry 1 long\nentry 2 real\nshort:\n short_int\n yield 1\n end\n"
      "long:\n long_int\n yield 1\n end\nreal:\n real\n yield 1\n end\n");
  enum Kind : INT { shortInt, longInt, real };
  constexpr double largest = std::numeric_limits<double>::max();
  const struct {
    Kind kind;
    const char* text;
    bool matches;
    double value;  // as stored, also when nothing matched
    int cursor;    // after the number, or where the failing read looked
  } cases[] = {{shortInt, "1234567890", true, -13035, 9},  // 123456789, low 16 bits
               {shortInt, "70000", true, 4464, 5},
               {shortInt, "-1", true, -1, 2},
               {shortInt, "+\t5", false, 0, 0},  // the sign must touch the digits
               {longInt, "2147483647", true, 2147483647, 10},
               {longInt, "2147483648", true, 2147483647, 10},
               {longInt, "-2147483649", true, -2147483648.0, 11},
               {longInt, "-99999999999999999", true, -2147483648.0, 14},
               {longInt, "\t+12x", true, 12, 4},
               {longInt, "0x10", true, 0, 1},
               {longInt, "\n5", false, 0, 0},  // the copy ends with the line feed
               {longInt, "abc", false, 0, 0},
               {real, "42.5\n", true, 42.5, 4},
               {real, ".5", true, 0.5, 2},
               {real, "5.", true, 5.0, 2},
               {real, "-0.25E-2,", true, -0.0025, 8},
               {real, "1e", true, 1.0, 1},  // an exponent needs digits
               {real, "1.5e+3x", true, 1500.0, 6},
               {real, "0.1", true, 0.1, 3},  // correctly rounded
               {real, "123456789012345678901234", true, 12345678901234567890.0, 20},
               {real, "1e999", true, largest, 5},
               {real, "-1e999", true, -largest, 6},
               {real, "1e-999", true, 0.0, 6},
               {real, "0x1p3", true, 0.0, 1},
               {real, "inf", false, 0.0, 0},
               {real, "nan", false, 0.0, 0},
               {real, "-.e1", false, 0.0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ParseRun run(table, c.text, c.kind);
    run.state.realValue = run.state.longValue = run.state.shortValue = 77;
    EXPECT_EQ(run.next(), c.matches ? DSUP_PARSE_YIELDED : DSUP_PARSE_SYNTAX_ERROR);
    const double stored = c.kind == shortInt ? run.state.shortValue : c.kind == longInt ? run.state.longValue : run.state.realValue;
    EXPECT_EQ(stored, c.value);
    EXPECT_EQ(run.cursorOffset(), c.cursor);
  }
}

TEST(TextFields, TextCopiesKeepEightyCharactersWhateverTheCount) {
  ParseRun until(compileOrFail("entry 1 a\na:\n text_until ','\n yield 1\n charset \";,\"\n yield 2\n end\n"),
                 std::string(100, 'x') + ",rest");
  ASSERT_EQ(until.next(), DSUP_PARSE_YIELDED);
  EXPECT_EQ(std::string(until.state.text), std::string(80, 'x'));
  EXPECT_EQ(until.cursorOffset(), 100) << "on the delimiter";
  EXPECT_EQ(until.next(), DSUP_PARSE_YIELDED);
  EXPECT_EQ(copyOf(until.state.matchedChar), ',');
  std::vector<std::uint8_t> table = compileOrFail("entry 1 a\na:\n text_count 80\n yield 1\n end\n");
  table[static_cast<std::size_t>(table[6] | table[7] << 8) + 1] = 100;  // a count the compiler refuses
  for (const std::size_t length : {std::size_t{120}, std::size_t{30}}) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
    ParseRun count(table, text);
    ASSERT_EQ(count.next(), DSUP_PARSE_YIELDED);
    EXPECT_EQ(std::string(count.state.text), text.substr(0, std::min<std::size_t>(length, 80)));
    EXPECT_EQ(count.cursorOffset(), static_cast<std::ptrdiff_t>(std::min<std::size_t>(length, 100))) << "stops at the end";
    EXPECT_EQ(count.next(), DSUP_PARSE_END);
  }
}

// Each grammar's entry 1 runs up to its first result or error. The test rule: on_failure or
// on_match armed before two keyword tests, with the jump target `other`, which yields 2.
TEST(Steps, StopWhereTheyMatchedOrFailedAndNeverPassTheTerminatingZero) {
  const auto armed = [](const char* arm) {
    return std::string("entry 1 start\nstart:\n ") + arm + " other\n keyword \"A\"\n keyword \"B\"\n yield 1\n end\n"
           "other:\n yield 2\n end\n";
  };
  const auto skipField = [](const char* quote) {
    return std::string("entry 1 a\na:\n set_separator ','\n set_quote ") + quote + "\n skip_field\n yield 1\n end\n";
  };
  const auto step = [](const char* step) { return std::string("entry 1 a\na:\n ") + step + "\n yield 1\n end\n"; };
  const struct {
    std::string grammar;
    std::size_t patchAt;  // a byte of the pool to turn into a zero (0: none)
    const char* text;
    INT result;
    WORD resultCode;
    int cursor;
  } cases[] = {{armed("on_failure"), 0, "b", DSUP_PARSE_YIELDED, 2, 0},        // failure jumps, no error
               {armed("on_failure"), 0, "ab", DSUP_PARSE_YIELDED, 1, 2},       // a match goes on
               {armed("on_failure"), 0, "ax", DSUP_PARSE_SYNTAX_ERROR, 0, 1},  // disarmed after one test
               {armed("on_match"), 0, "ab", DSUP_PARSE_YIELDED, 2, 1},         // jumps behind the keyword
               {armed("on_match"), 0, "bb", DSUP_PARSE_YIELDED, 1, 1},         // a failure goes on, no error
               {skipField("'\"'"), 0, "\"a b\",next", DSUP_PARSE_YIELDED, 1, 6},
               {skipField("'\"'"), 0, ",next", DSUP_PARSE_YIELDED, 1, 1},  // an empty field
               {skipField("'\"'"), 0, "abc,next", DSUP_PARSE_SYNTAX_ERROR, 0, 0},
               {skipField("'\"'"), 0, "\"abc", DSUP_PARSE_YIELDED, 1, 4},
               {skipField("'\"'"), 0, "", DSUP_PARSE_YIELDED, 1, 0},
               {skipField("0"), 0, "abc,next", DSUP_PARSE_YIELDED, 1, 4},
               // keyword_word passes over the rest of the word, keyword does not; character sets mind case
               {step("keyword_word \"TEMP\" +equals +real"), 0, "Temperature = 40", DSUP_PARSE_YIELDED, 1, 16},
               {step("keyword \"TEMP\" +equals +real"), 0, "Temperature = 40", DSUP_PARSE_SYNTAX_ERROR, 0, 4},
               {step("charset \"ABC\""), 0, "B", DSUP_PARSE_YIELDED, 1, 1},
               {step("charset \"ABC\""), 0, "b", DSUP_PARSE_SYNTAX_ERROR, 0, 0},
               // zeros in the pool and the text
               {step("keyword \"AXB\""), 2, "a", DSUP_PARSE_YIELDED, 1, 1},
               {step("charset \"\\0x\""), 0, "", DSUP_PARSE_SYNTAX_ERROR, 0, 0},
               {step("set_separator '\\0'\n skip_to_separator"), 0, "abc", DSUP_PARSE_YIELDED, 1, 3},
               {step("real"), 0, "  ", DSUP_PARSE_SYNTAX_ERROR, 0, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.grammar + "on " + c.text);
    std::vector<std::uint8_t> table = compileOrFail(c.grammar);
    if (c.patchAt) table[static_cast<std::size_t>(table[4]) + c.patchAt] = 0;
    ParseRun run(table, c.text);
    ASSERT_EQ(run.next(), c.result);
    EXPECT_EQ(run.cursorOffset(), c.cursor);
    if (c.result == DSUP_PARSE_YIELDED) {
      EXPECT_EQ(copyOf(run.state.resultCode), c.resultCode);
    }
  }
}

TEST(ParseState, NullPointersAreRefusedWithoutTouchingTheState) {
  const char* text = "temp = 1";
  const auto* table = reinterpret_cast<const ParseTable*>(temperatureTable.data());
  ParseState state;
  std::memset(&state, 0xAB, sizeof state);
  ParseState before = state;
  EXPECT_EQ(DSupParseInit(nullptr, 7, text, &state), 0);
  EXPECT_EQ(DSupParseInit(table, 7, nullptr, &state), 0);
  EXPECT_EQ(DSupParseInit(table, 7, text, nullptr), 0);
  EXPECT_EQ(std::memcmp(&state, &before, sizeof state), 0);
  EXPECT_EQ(DSupParseNext(nullptr), DSUP_PARSE_SYNTAX_ERROR);
  ParseState unbound{};
  EXPECT_EQ(DSupParseNext(&unbound), DSUP_PARSE_SYNTAX_ERROR);
}

TEST(ParseState, ReinitialisingResetsThePositionAndKeepsTheValues) {
  const auto table = compileOrFail(
      "entry 1 a\na:\n set_tag 9\n set_separator ';'\n set_quote '\"'\n real\n on_failure a\n yield 4\n end\n");
  ParseRun run(table, "2.5");
  ASSERT_EQ(run.next(), DSUP_PARSE_YIELDED);
  ASSERT_EQ(copyOf(run.state.branchArmed), 1);
  const char* next = "x";
  ASSERT_EQ(DSupParseInit(reinterpret_cast<const ParseTable*>(table.data()), 1, next, &run.state), 1);
  EXPECT_EQ(copyOf(run.state.cursor), next);
  EXPECT_EQ(copyOf(run.state.pc), 0);
  EXPECT_EQ(copyOf(run.state.step), 0u);
  EXPECT_EQ(copyOf(run.state.branchArmed), 0);
  EXPECT_EQ(copyOf(run.state.separator), '\n');
  EXPECT_EQ(copyOf(run.state.quote), '\0');
  EXPECT_EQ(copyOf(run.state.tag), 9);
  EXPECT_EQ(copyOf(run.state.resultCode), 4);
  EXPECT_EQ(copyOf(run.state.realValue), 2.5);
}

// Drivers parse on threads of their own: every state's numbers are its own, however the threads
// interleave their number reading.
TEST(ParseState, ThreadsParsingAtOnceEachReadTheirOwnValues) {
  const auto table = compileOrFail(
      "entry 1 line\nline:\n keyword \"R\" +equals +real\n keyword \"L\" +equals\n long_int\n"
      " keyword \"S\" +equals +short_int\n yield 1\n end\n");
  constexpr int threads = 8, lines = 4000;
  std::vector<int> wrong(threads);
  std::vector<std::thread> parsers;
  for (int t = 0; t < threads; ++t) {
    parsers.emplace_back([&table, &wrong, t] {
      for (int i = 0; i < lines; ++i) {
        const int n = t * lines + i;
        const double real = n * 1000.0 + 0.25;
        const std::string text = "R=" + std::to_string(real) + " L=" + std::to_string(-7000000 * t - i) + " S=" +
                                 std::to_string(n % 30000) + "\n";
        ParseState state{};
        DSupParseInit(reinterpret_cast<const ParseTable*>(table.data()), 1, text.c_str(), &state);
        const bool right = DSupParseNext(&state) == DSUP_PARSE_YIELDED && copyOf(state.realValue) == real &&
                           copyOf(state.longValue) == -7000000 * t - i && copyOf(state.shortValue) == n % 30000;
        wrong[static_cast<std::size_t>(t)] += right ? 0 : 1;
      }
    });
  }
  for (std::thread& parser : parsers) parser.join();
  EXPECT_EQ(wrong, std::vector<int>(threads, 0)) << "parses with a value that is not their own, by thread";
}

}  // namespace
}  // namespace dsuptest
