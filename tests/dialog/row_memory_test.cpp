// A timetable's row memory through DSupTTGetMemory: creating, appending, resizing up (new rows
// zero) and down, removing the last row down to none, locking with and without adding, freeing,
// and the driver's messages for a table that exists, too many rows; requests that do not apply
// change nothing and show nothing.
#include "dialog/row_memory_fixture.h"

namespace dsuptest {
namespace {

constexpr WORD count(int rows) { return static_cast<WORD>(rows); }
constexpr WORD lockAdd = TTMEM_LOCK | TTMEM_ADD;

TEST_F(RowMemoryTest, TableGrowsShrinksAndGoesThroughItsOperations) {
  const std::vector<MemoryStep> steps = {
      // An empty table: only an add applies.
      {TTMEM_LOCK, false, "empty", 0},
      {TTMEM_UNLOCK, false, "empty", 0},
      {TTMEM_RESIZE, false, "empty", 0},
      {TTMEM_RESIZE | count(3), false, "empty", 0},
      {TTMEM_FREE, false, "empty", 0},
      {TTMEM_ADD | count(9), false, "empty", 1},  // too many, even on an empty table
      {TTMEM_ADD, false, "0", 1},                 // a count of 0 creates one row
      {TTMEM_ADD | count(5), false, "0", 2},      // the table exists
      {TTMEM_ADD | count(9), false, "0", 3},      // too many comes first
      {TTMEM_ADD, false, "0 0", 3},               // appends
      {lockAdd, true, "1 2 3", 3},                // appends, locked
      {TTMEM_RESIZE | count(8), false, "1 2 3 0 0 0 0 0", 3},
      {TTMEM_ADD, false, "1 2 3 0 0 0 0 0", 4},  // appending beyond maxRows
      {TTMEM_RESIZE | count(9), false, "1 2 3 0 0 0 0 0", 5},
      {TTMEM_LOCK, true, "1 2 3 4 5 6 7 8", 5},
      {TTMEM_RESIZE | count(2), false, "1 2", 5},
      {TTMEM_LOCK | count(2), false, "1 2", 5},  // other flags with a count
      {TTMEM_FREE | count(3), false, "1 2", 5},
      {TTMEM_LOCK | TTMEM_RESIZE | count(3), false, "1 2 0", 5},  // resizing returns no pointer
      {TTMEM_RESIZE, false, "1 2", 5},                          // removes the last row
      {TTMEM_RESIZE, false, "1", 5},
      {TTMEM_RESIZE, false, "empty", 5},  // the only row: the table goes
      {lockAdd | count(4), true, "1 2 3 4", 5},  // created locked
      {TTMEM_FREE, false, "empty", 5},
  };
  runSteps(steps, 5);
  EXPECT_EQ(user.answeredMessageBoxes(),
            (std::vector<std::u16string>{u"Too many rows", u"The table exists already", u"Too many rows", u"Too many rows",
                                         u"Too many rows"}));
}

}  // namespace
}  // namespace dsuptest
