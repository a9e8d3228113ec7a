// The row memory when the machine fails it: each allocation, reallocation and lock that
// DSupTTGetMemory makes fails in turn, the user is told that there is not enough memory where the
// table cannot change, the descriptor stays as it was, and nothing is left behind. The messages
// are warnings owned by the dialog, without a caption.
#include "dialog/row_memory_fixture.h"
#include "sim/faults.h"
#include "sim/trace.h"

namespace dsuptest {
namespace {

struct Fault {
  const char* what;
  std::vector<WORD> before;  // operations that build the table first
  WORD operation;
  sim::Operation failing;
  bool locked;
  const char* contents;
  std::size_t messages;
};

TEST_F(RowMemoryTest, FailedAllocationsLeaveTheTableAsItWasAndTellTheUser) {
  const Fault faults[] = {
      {"create", {}, TTMEM_ADD | 3, sim::Operation::allocate, false, "empty", 1},
      {"create locked", {}, TTMEM_LOCK | TTMEM_ADD | 3, sim::Operation::lock, false, "0 0 0", 0},
      {"append", {TTMEM_ADD | 2}, TTMEM_ADD, sim::Operation::reallocate, false, "0 0", 1},
      {"resize up", {TTMEM_ADD | 2}, TTMEM_RESIZE | 5, sim::Operation::reallocate, false, "0 0", 1},
      {"resize down", {TTMEM_ADD | 5}, TTMEM_RESIZE | 2, sim::Operation::reallocate, false, "0 0 0 0 0", 1},
      {"remove the last row", {TTMEM_ADD | 2}, TTMEM_RESIZE, sim::Operation::reallocate, false, "0 0", 1},
      // The growth is zero-filled by the reallocation when the rows cannot be locked to clear them.
      {"clear the new rows", {TTMEM_ADD | 2}, TTMEM_RESIZE | 4, sim::Operation::lock, false, "0 0 0 0", 0},
      {"lock", {TTMEM_ADD | 2}, TTMEM_LOCK, sim::Operation::lock, false, "0 0", 0},
  };
  std::size_t answers = 0;
  for (const Fault& fault : faults) answers += fault.messages;
  behaviour.onCommand = [&](HWND dialog, int id) {
    if (id == IDOK) return EndDialog(dialog, IDOK), TRUE;
    std::size_t shown = 0;
    for (const Fault& fault : faults) {
      for (WORD operation : fault.before) operate(dialog, operation);
      sim::failOperation(fault.failing);
      EXPECT_EQ(operate(dialog, fault.operation) != nullptr, fault.locked) << fault.what;
      sim::clearFaults();
      EXPECT_EQ(contents(), fault.contents) << fault.what;
      shown += fault.messages;
      EXPECT_EQ(user.answeredMessageBoxes().size(), shown) << fault.what;
      operate(dialog, TTMEM_FREE);
    }
    return TRUE;
  };
  user.click(runButton);
  for (std::size_t answer = 0; answer < answers; ++answer) user.answerMessageBox(IDOK);
  user.click(IDOK);
  EXPECT_EQ(run(rowMemoryDialog), IDOK);
  const std::vector<sim::MessageBoxRecord> boxes = sim::messageBoxes();
  ASSERT_EQ(boxes.size(), answers);
  for (const sim::MessageBoxRecord& box : boxes) {
    EXPECT_EQ(box.text, u"Not enough memory for the table");
    EXPECT_EQ(box.caption, u"");
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_NE(box.owner, mainWindow) << "owned by the dialog";
  }
}

}  // namespace
}  // namespace dsuptest
