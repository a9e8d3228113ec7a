// The simulation controls that the library's tests use: the settable clock, whose tick count and
// calendar move only when a test moves them, and the fault sweep: count a scenario's operations,
// then fail each in turn. The scenario here is a small recording (allocate, lock, create, write,
// close, delete) written the way the library cleans up after a failure.
#include <windows.h>

#include "common/platform_test.h"
#include "common/wide_text.h"
#include "sim/clock.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace {

using SimulationControls = dsuptest::PlatformTest;

ULONGLONG fileTime() {
  FILETIME time;
  GetSystemTimeAsFileTime(&time);
  return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

TEST_F(SimulationControls, ClockStandsStillUntilAdvancedAndWrapsAt32Bits) {
  sim::setTickCount(0xFFFFFF00u);
  sim::setCalendarTime(1767225600);  // 2026-01-01 00:00:00 UTC
  EXPECT_EQ(fileTime(), 134116992000000000ull) << "100 ns since 1601";
  EXPECT_EQ(GetTickCount(), 0xFFFFFF00u);
  sim::advanceTime(10500);
  EXPECT_EQ(GetTickCount(), 10244u);
  EXPECT_EQ(sim::calendarTime(), 1767225610);
  sim::setCalendarTime(1000);
  EXPECT_EQ(sim::calendarTime(), 1000);
  EXPECT_EQ(GetTickCount(), 10244u) << "the calendar is set back alone";
}

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

TEST_F(SimulationControls, EveryOperationOfAScenarioCanFailInTurn) {
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

TEST_F(SimulationControls, FaultsOfOneKindCountOnlyThatKindAndPersistentOnesLastUntilCleared) {
  HGLOBAL block = GlobalAlloc(GHND, 4);
  sim::failOperation(sim::Operation::lock, 2);
  EXPECT_NE(GlobalLock(block), nullptr);
  sim::failEveryOperation(sim::Operation::allocate);
  EXPECT_EQ(GlobalAlloc(GHND, 4), nullptr);
  EXPECT_EQ(GlobalAlloc(GHND, 4), nullptr);
  EXPECT_EQ(GlobalLock(block), nullptr) << "the allocations did not count toward the lock fault";
  sim::clearFaults();
  HGLOBAL other = GlobalAlloc(GHND, 4);
  EXPECT_NE(other, nullptr);
  GlobalUnlock(block);
  GlobalFree(other);
  GlobalFree(block);
}

}  // namespace
