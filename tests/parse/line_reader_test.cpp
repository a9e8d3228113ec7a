// Line reading from files: line ends, the capacity cut, odd wide files, and the file position
// right behind each line.
#include <dsup.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "parse_test_support.h"

namespace {

using LineReading = dsuptest::LineFileTest;
using dsuptest::text;

TEST_F(LineReading, NarrowFilesGiveOneLinePerCall) {
  const struct {
    const char* name;
    std::string file;
    std::vector<std::tuple<INT, const char*, INT>> reads;  // capacity, text stored, result
  } cases[] = {{"carriage returns are dropped", "AB\r\nCD", {{10, "AB\n", 1}, {10, "CD", 1}, {10, "", 0}}},
               {"also inside a line", "A\rB\n", {{10, "AB\n", 1}}},
               {"a long line is cut", "ABCD\nEF\n", {{2, "AB", 1}, {10, "EF\n", 1}}},
               {"capacity 0 still consumes the line", "AB\nC", {{0, "", 0}, {10, "C", 1}}},
               {"a negative capacity stores nothing", "AB\nC", {{-1, "", 0}, {10, "C", 1}}},
               {"empty lines keep their line feed", "\r\n\n", {{10, "\n", 1}, {10, "\n", 1}, {10, "", 0}}},
               {"carriage returns alone before the end", "\r\r", {{10, "", 0}}},
               {"an empty file", "", {{10, "", 0}, {10, "", 0}}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HANDLE file = open(c.file);
    for (const auto& [capacity, text, result] : c.reads) {
      char buffer[16];
      std::fill(std::begin(buffer), std::end(buffer), '#');
      EXPECT_EQ(DSupReadLineFromFile(buffer, capacity, file), result);
      if (capacity >= 0) EXPECT_STREQ(buffer, text);
      else EXPECT_EQ(buffer[0], '#');  // no room even for the terminator
    }
    CloseHandle(file);
  }
}

TEST_F(LineReading, WideLinesTakeTwoBytesPerUnitAndDropAnOddLastByte) {
  HANDLE file = open(std::string("\xFF\xFE" "A\0\r\0\n\0" "B\0C", 11));
  WCHAR buffer[8];
  EXPECT_EQ(DSupReadLineFromFileW(buffer, 7, file), 1);
  EXPECT_EQ(text(buffer), u"\uFEFFA\n");  // a byte-order mark is text like any other
  EXPECT_EQ(DSupReadLineFromFileW(buffer, 7, file), 1);
  EXPECT_EQ(text(buffer), u"B");
  EXPECT_EQ(DSupReadLineFromFileW(buffer, 7, file), 0);
  EXPECT_EQ(text(buffer), u"");
  CloseHandle(file);
}

TEST_F(LineReading, TheFilePositionStandsRightBehindTheLine) {
  HANDLE file = open("one\ntwo\n");
  char buffer[8];
  ASSERT_EQ(DSupReadLineFromFile(buffer, 7, file), 1);
  char next = 0;
  DWORD bytesRead = 0;
  ASSERT_TRUE(ReadFile(file, &next, 1, &bytesRead, nullptr));
  EXPECT_EQ(next, 't');
  EXPECT_EQ(DSupReadLineFromFile(nullptr, 7, file), 0);  // no buffer: nothing is read
  EXPECT_EQ(DSupReadLineFromFile(buffer, 7, file), 1);
  EXPECT_STREQ(buffer, "wo\n");
  CloseHandle(file);
  EXPECT_EQ(DSupReadLineFromFile(buffer, 7, INVALID_HANDLE_VALUE), 0);  // a failing read ends the line
  EXPECT_STREQ(buffer, "");
}

}  // namespace
