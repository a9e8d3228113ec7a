// The fault sweep that the library's tests use: count a scenario's operations, then fail each in
// turn. The scenario here is a small recording (allocate, lock, create, write, close, delete)
// written the way the library cleans up after a failure.
#include <windows.h>

#include "common/platform_test.h"
#include "common/wide_text.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace {

using FaultInjection = dsuptest::PlatformTest;

// Returns true when the scenario ran to its end.
bool recordOnce(const std::u16string& path) {
  HGLOBAL block = GlobalAlloc(GHND, 64);
  if (!block) return false;
  void* data = GlobalLock(block);
  bool done = false;
  if (data) {
    HANDLE file = CreateFileW(dsuptest::w(path), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      done = WriteFile(file, data, 64, &written, nullptr) && written == 64;
      done = CloseHandle(file) && done;
      done = DeleteFileW(dsuptest::w(path)) && done;
    }
    GlobalUnlock(block);
  }
  GlobalFree(block);
  return done;
}

TEST_F(FaultInjection, EveryOperationOfAScenarioCanFailInTurn) {
  const std::u16string path = temp.file16("sweep.dat");
  ASSERT_TRUE(recordOnce(path));
  const std::uint64_t operations = sim::operationCount();
  EXPECT_EQ(operations, 6u);  // allocate, lock, open, write, close, delete

  for (std::uint64_t nth = 1; nth <= operations; ++nth) {
    SCOPED_TRACE(nth);
    sim::resetCounters();
    sim::failAnyOperation(nth);
    EXPECT_FALSE(recordOnce(path));
    EXPECT_EQ(sim::faultsFired(), 1u);
    EXPECT_EQ(sim::liveMemoryBlocks(), 0u);
    EXPECT_EQ(sim::openFileHandles(), 0u);
    DeleteFileW(dsuptest::w(path));  // what a failed run may have left on disk
  }
}

TEST_F(FaultInjection, PersistentFaultsLastUntilCleared) {
  sim::failEveryOperation(sim::Operation::allocate);
  EXPECT_EQ(GlobalAlloc(GHND, 4), nullptr);
  EXPECT_EQ(GlobalAlloc(GHND, 4), nullptr);
  sim::clearFaults();
  HGLOBAL block = GlobalAlloc(GHND, 4);
  EXPECT_NE(block, nullptr);
  GlobalFree(block);
}

TEST_F(FaultInjection, FaultsOfOneKindCountOnlyThatKind) {
  HGLOBAL block = GlobalAlloc(GHND, 4);
  sim::failOperation(sim::Operation::lock, 2);
  EXPECT_NE(GlobalLock(block), nullptr);
  HGLOBAL other = GlobalAlloc(GHND, 4);  // an allocation does not count toward the lock fault
  EXPECT_EQ(GlobalLock(block), nullptr);
  GlobalUnlock(block);
  GlobalFree(other);
  GlobalFree(block);
}

}  // namespace
