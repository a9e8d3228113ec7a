// Line reading when the machine fails a read: the line ends with what was stored, and the failed
// read takes nothing from the file.
#include <dsup.h>
#include <gtest/gtest.h>

#include "parse_test_support.h"
#include "sim/faults.h"

namespace {

using LineReading = dsuptest::LineFileTest;

TEST_F(LineReading, AFailingReadEndsTheLineWithWhatWasStored) {
  HANDLE file = open("AB\nCD\n");
  char buffer[8];
  sim::failOperation(sim::Operation::fileRead, 2);
  EXPECT_EQ(DSupReadLineFromFile(buffer, 7, file), 1);
  EXPECT_STREQ(buffer, "A");
  EXPECT_EQ(DSupReadLineFromFile(buffer, 7, file), 1);  // the failed read took nothing
  EXPECT_STREQ(buffer, "B\n");
  sim::failOperation(sim::Operation::fileRead, 1);
  WCHAR wide[8];
  EXPECT_EQ(DSupReadLineFromFileW(wide, 7, file), 0);
  EXPECT_EQ(dsuptest::text(wide), u"");
  CloseHandle(file);
}

}  // namespace
