// Line reading from files: line ends, the capacity cut, odd wide files, and the file position
// right behind each line.
#include <dsup.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_file.h"

namespace {

using LineReading = dsuptest::LineFileTest;
using dsuptest::text;

struct Read {
  INT capacity;
  const char* text;
  INT result;
};

struct NarrowCase {
  const char* name;
  std::string file;
  std::vector<Read> reads;
};

void PrintTo(const NarrowCase& c, std::ostream* out) { *out << c.name; }

class NarrowLines : public LineReading, public ::testing::WithParamInterface<NarrowCase> {};

TEST_P(NarrowLines, ReadOneLinePerCall) {
  HANDLE file = open(GetParam().file);
  for (const Read& read : GetParam().reads) {
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(DSupReadLineFromFile(buffer, read.capacity, file), read.result);
    if (read.capacity >= 0) EXPECT_STREQ(buffer, read.text);
    else EXPECT_EQ(buffer[0], '#');  // no room even for the terminator
  }
  CloseHandle(file);
}

INSTANTIATE_TEST_SUITE_P(
    LineReading, NarrowLines,
    ::testing::Values(
        NarrowCase{"CarriageReturnsAreDropped", "AB\r\nCD", {{10, "AB\n", 1}, {10, "CD", 1}, {10, "", 0}}},
        NarrowCase{"CarriageReturnInsideALine", "A\rB\n", {{10, "AB\n", 1}}},
        NarrowCase{"LongLineIsCut", "ABCD\nEF\n", {{2, "AB", 1}, {10, "EF\n", 1}}},
        NarrowCase{"CapacityZeroStillConsumes", "AB\nC", {{0, "", 0}, {10, "C", 1}}},
        NarrowCase{"NegativeCapacityStoresNothing", "AB\nC", {{-1, "", 0}, {10, "C", 1}}},
        NarrowCase{"EmptyLinesKeepTheirLineFeed", "\r\n\n", {{10, "\n", 1}, {10, "\n", 1}, {10, "", 0}}},
        NarrowCase{"CarriageReturnsAloneBeforeTheEnd", "\r\r", {{10, "", 0}}},
        NarrowCase{"EmptyFile", "", {{10, "", 0}, {10, "", 0}}}));

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
