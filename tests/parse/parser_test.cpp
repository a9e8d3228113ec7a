// The token parser over the documented tables and small grammars: results and values, the test
// rule with armed jumps, fields and text copies, blanks, and the cursor's limits.
#include <dsup.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "documented_tables.h"
#include "parse_test_support.h"

namespace {

using dsuptest::compileOrFail;
using dsuptest::copyOf;
using dsuptest::ParseRun;

// Where instruction `index` of a compiled table keeps its opcode byte.
std::size_t instructionAt(const std::vector<std::uint8_t>& table, std::size_t index) {
  return static_cast<std::size_t>(table[6] | table[7] << 8) + 3 * index;
}

TEST(ParseExamples, TemperatureAssignmentYieldsItsValueThenEndsForGood) {
  ParseRun run(dsuptest::temperatureTable, "temp = 42.5\n", 7);
  ASSERT_EQ(run.initResult, 1);
  ASSERT_EQ(run.next(), DSUP_PARSE_YIELDED);
  EXPECT_EQ(copyOf(run.state.resultCode), 1);
  EXPECT_EQ(copyOf(run.state.realValue), 42.5);
  EXPECT_EQ(run.next(), DSUP_PARSE_END);
  EXPECT_EQ(run.next(), DSUP_PARSE_END);  // never runs on past the last instruction
}

TEST(ParseExamples, ColonInPlaceOfEqualsFailsAtTheColon) {
  ParseRun run(dsuptest::temperatureTable, "temp : 42.5\n", 7);
  EXPECT_EQ(run.next(), DSUP_PARSE_SYNTAX_ERROR);
  EXPECT_EQ(run.cursorOffset(), 5);
}

TEST(ParseExamples, KeyOutsideTheDirectoryGivesZeroAndKeepsPc) {
  const char* text = "temp = 1\n";
  for (INT key : {8, 7 + 65536, -1}) {
    ParseState state{};
    state.pc = 5;
    EXPECT_EQ(DSupParseInit(reinterpret_cast<const ParseTable*>(dsuptest::temperatureTable.data()), key, text, &state), 0);
    EXPECT_EQ(copyOf(state.pc), 5);
    EXPECT_EQ(copyOf(state.cursor), text);
  }
}

struct LookupCase {
  const char* text;
  INT result;
  WORD resultCode;
  double value;
  int cursor;  // where the call stopped
};

void PrintTo(const LookupCase& c, std::ostream* out) { *out << ::testing::PrintToString(std::string(c.text)); }

class KeywordLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(KeywordLookup, FindsTheKeywordAndGoesOnBehindIt) {
  const LookupCase& c = GetParam();
  ParseRun run(dsuptest::keywordLookupTable, c.text);
  ASSERT_EQ(run.initResult, 1);
  ASSERT_EQ(run.next(), c.result);
  EXPECT_EQ(run.cursorOffset(), c.cursor);
  if (c.result != DSUP_PARSE_YIELDED) return;
  EXPECT_EQ(copyOf(run.state.resultCode), c.resultCode);
  EXPECT_EQ(copyOf(run.state.realValue), c.value);
  EXPECT_EQ(run.next(), DSUP_PARSE_END);
}

INSTANTIATE_TEST_SUITE_P(ParseExamples, KeywordLookup,
                         ::testing::Values(LookupCase{"temp=70\n", DSUP_PARSE_YIELDED, 2, 70.0, 7},
                                           LookupCase{"flow = 1.5\n", DSUP_PARSE_YIELDED, 1, 1.5, 10},
                                           LookupCase{"FLOW=2", DSUP_PARSE_YIELDED, 1, 2.0, 6},
                                           LookupCase{"pres=1\n", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 0},
                                           LookupCase{"fl=1\n", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 0},
                                           LookupCase{"temperature=3", DSUP_PARSE_SYNTAX_ERROR, 0, 0, 4}));

struct JumpCase {
  const char* arm;
  const char* text;
  INT result;
  WORD resultCode;
  int cursor;
};

void PrintTo(const JumpCase& c, std::ostream* out) {
  *out << c.arm << ' ' << ::testing::PrintToString(std::string(c.text));
}

class ArmedJump : public ::testing::TestWithParam<JumpCase> {};

TEST_P(ArmedJump, TurnsTheNextTestIntoAChoice) {
  const JumpCase& c = GetParam();
  ParseRun run(compileOrFail(std::string("entry 1 start\nstart:\n") + c.arm +
                             " other\n keyword \"A\"\n keyword \"B\"\n yield 1\n end\n"
                             "other:\n yield 2\n end\n"),
               c.text);
  ASSERT_EQ(run.next(), c.result);
  EXPECT_EQ(run.cursorOffset(), c.cursor);
  if (c.result == DSUP_PARSE_YIELDED) {
    EXPECT_EQ(copyOf(run.state.resultCode), c.resultCode);
  }
}

INSTANTIATE_TEST_SUITE_P(
    TestRule, ArmedJump,
    ::testing::Values(JumpCase{"on_failure", "b", DSUP_PARSE_YIELDED, 2, 0},      // failure jumps, no error
                      JumpCase{"on_failure", "ab", DSUP_PARSE_YIELDED, 1, 2},     // a match goes on
                      JumpCase{"on_failure", "ax", DSUP_PARSE_SYNTAX_ERROR, 0, 1},  // disarmed after one test
                      JumpCase{"on_match", "ab", DSUP_PARSE_YIELDED, 2, 1},       // jumps behind the keyword
                      JumpCase{"on_match", "bb", DSUP_PARSE_YIELDED, 1, 1}));     // a failure goes on, no error

TEST(TextFields, TextUntilKeepsEightyCharactersAndStopsAtTheDelimiter) {
  ParseRun run(compileOrFail("entry 1 a\na:\n text_until ','\n yield 1\n charset \",\"\n yield 2\n end\n"),
               std::string(100, 'x') + ",rest");
  ASSERT_EQ(run.next(), DSUP_PARSE_YIELDED);
  EXPECT_EQ(std::string(run.state.text), std::string(80, 'x'));
  EXPECT_EQ(run.cursorOffset(), 100);
  EXPECT_EQ(run.next(), DSUP_PARSE_YIELDED);
  EXPECT_EQ(copyOf(run.state.matchedChar), ',');
}

TEST(TextFields, TextCountKeepsEightyWhateverTheCountAndStopsAtTheEnd) {
  std::vector<std::uint8_t> table = compileOrFail("entry 1 a\na:\n text_count 80\n yield 1\n end\n");
  table[instructionAt(table, 0) + 1] = 100;  // a count the compiler refuses
  for (const std::size_t length : {std::size_t{120}, std::size_t{30}}) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
    ParseRun run(table, text);
    ASSERT_EQ(run.next(), DSUP_PARSE_YIELDED);
    EXPECT_EQ(std::string(run.state.text), text.substr(0, std::min<std::size_t>(length, 80)));
    EXPECT_EQ(run.cursorOffset(), static_cast<std::ptrdiff_t>(std::min<std::size_t>(length, 100)));
    EXPECT_EQ(run.next(), DSUP_PARSE_END);
  }
}

struct FieldCase {
  const char* quote;
  const char* text;
  INT result;
  int cursor;
};

void PrintTo(const FieldCase& c, std::ostream* out) {
  *out << "quote " << c.quote << ' ' << ::testing::PrintToString(std::string(c.text));
}

class SkipField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(SkipField, StepsOverOneFieldAndItsSeparator) {
  const FieldCase& c = GetParam();
  ParseRun run(compileOrFail(std::string("entry 1 a\na:\n set_separator ','\n set_quote ") + c.quote +
                             "\n skip_field\n yield 1\n end\n"),
               c.text);
  EXPECT_EQ(run.next(), c.result);
  EXPECT_EQ(run.cursorOffset(), c.cursor);
}

INSTANTIATE_TEST_SUITE_P(TextFields, SkipField,
                         ::testing::Values(FieldCase{"'\"'", "\"a b\",next", DSUP_PARSE_YIELDED, 6},
                                           FieldCase{"'\"'", ",next", DSUP_PARSE_YIELDED, 1},  // empty field
                                           FieldCase{"'\"'", "abc,next", DSUP_PARSE_SYNTAX_ERROR, 0},
                                           FieldCase{"'\"'", "\"abc", DSUP_PARSE_YIELDED, 4},
                                           FieldCase{"'\"'", "", DSUP_PARSE_YIELDED, 0},
                                           FieldCase{"0", "abc,next", DSUP_PARSE_YIELDED, 4}));

struct BlankCase {
  const char* text;
  INT result;
};

void PrintTo(const BlankCase& c, std::ostream* out) { *out << ::testing::PrintToString(std::string(c.text)); }

class Blanks : public ::testing::TestWithParam<BlankCase> {};

TEST_P(Blanks, ArePassedBeforeEveryStepButTabsAreNot) {
  ParseRun run(dsuptest::temperatureTable, GetParam().text, 7);
  EXPECT_EQ(run.next(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(ParseExamples, Blanks,
                         ::testing::Values(BlankCase{"   temp   =   42.5", DSUP_PARSE_YIELDED},
                                           BlankCase{"\ttemp = 42.5", DSUP_PARSE_SYNTAX_ERROR},
                                           BlankCase{"temp\t= 42.5", DSUP_PARSE_SYNTAX_ERROR},
                                           BlankCase{"temp =\t42.5", DSUP_PARSE_YIELDED}));  // the number's own

TEST(Keywords, KeywordWordPassesOverTheRestOfTheWordAndCharsetsMindCase) {
  const auto table = compileOrFail(
      "entry 1 word\nentry 2 plain\nentry 3 set\n"
      "word:\n keyword_word \"TEMP\" +equals +real\n yield 1\n end\n"
      "plain:\n keyword \"TEMP\" +equals +real\n yield 1\n end\n"
      "set:\n charset \"ABC\"\n yield 1\n end\n");
  ParseRun word(table, "Temperature = 40", 1);
  EXPECT_EQ(word.next(), DSUP_PARSE_YIELDED);
  EXPECT_EQ(copyOf(word.state.realValue), 40.0);
  ParseRun plain(table, "Temperature = 40", 2);
  EXPECT_EQ(plain.next(), DSUP_PARSE_SYNTAX_ERROR);
  EXPECT_EQ(plain.cursorOffset(), 4);
  ParseRun upper(table, "B", 3);
  EXPECT_EQ(upper.next(), DSUP_PARSE_YIELDED);
  EXPECT_EQ(copyOf(upper.state.matchedChar), 'B');
  ParseRun lower(table, "b", 3);
  EXPECT_EQ(lower.next(), DSUP_PARSE_SYNTAX_ERROR);
}

struct EndCase {
  const char* name;
  const char* grammar;  // instruction 0 of entry 1, then yield 1 and end
  std::size_t patchAt;  // a byte of the pool to turn into a zero (0: none)
  const char* text;
  INT result;
  int cursor;
};

void PrintTo(const EndCase& c, std::ostream* out) { *out << c.name; }

class TextEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(TextEnd, TheCursorNeverPassesTheTerminatingZero) {
  const EndCase& c = GetParam();
  std::vector<std::uint8_t> table =
      compileOrFail(std::string("entry 1 a\na:\n") + c.grammar + "\n yield 1\n end\n");
  if (c.patchAt) table[static_cast<std::size_t>(table[4]) + c.patchAt] = 0;
  ParseRun run(table, c.text);
  EXPECT_EQ(run.next(), c.result);
  EXPECT_EQ(run.cursorOffset(), c.cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Cursor, TextEnd,
    ::testing::Values(EndCase{"KeywordWithAZero", "keyword \"AXB\"", 2, "a", DSUP_PARSE_YIELDED, 1},
                      EndCase{"CharsetWithAZero", "charset \"\\0x\"", 0, "", DSUP_PARSE_SYNTAX_ERROR, 0},
                      EndCase{"ZeroSeparator", "set_separator '\\0'\n skip_to_separator", 0, "abc", DSUP_PARSE_YIELDED, 3},
                      EndCase{"NumberAtTheEnd", "real", 0, "  ", DSUP_PARSE_SYNTAX_ERROR, 2}));

TEST(ParseState, NullPointersAreRefusedWithoutTouchingTheState) {
  const char* text = "temp = 1";
  const auto* table = reinterpret_cast<const ParseTable*>(dsuptest::temperatureTable.data());
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

}  // namespace
