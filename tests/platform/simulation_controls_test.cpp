// The simulation controls that the library's tests use: the settable clock, whose tick count and
// calendar move only when a test moves them; the fault sweep (count a scenario's operations, then
// fail each in turn; the scenario here is a small recording written the way the library cleans up
// after a failure); each kind of injected failure, which leaves things as they were; the per-file
// counters; and the fill pattern of uncleared memory and the always-move switch, which make a
// missing clear or a pointer kept across a reallocation show.
#include <windows.h>

#include <cstring>

#include "common/wide_text.h"
#include "platform/files_fixture.h"
#include "sim/clock.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace {

using SimulationControls = dsuptest::FilesTest;

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

TEST_F(SimulationControls, MemoryFaultsLeaveTheBlockAsItWasAndCountOnlyTheirKind) {
  HGLOBAL block = GlobalAlloc(GHND, 8);
  sim::failOperation(sim::Operation::lock, 2);
  EXPECT_NE(GlobalLock(block), nullptr);
  GlobalUnlock(block);
  HGLOBAL other = GlobalAlloc(GHND, 4);
  EXPECT_EQ(GlobalLock(block), nullptr) << "the allocation did not count toward the lock fault";
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "a failed lock counts no lock";
  GlobalFree(other);
  sim::failEveryOperation(sim::Operation::allocate);
  EXPECT_EQ(GlobalAlloc(GHND, 8), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(GlobalAlloc(GHND, 8), nullptr) << "a persistent fault lasts until cleared";
  sim::clearFaults();
  sim::failOperation(sim::Operation::reallocate);
  EXPECT_EQ(GlobalReAlloc(block, 64, GHND), nullptr);
  EXPECT_EQ(GlobalSize(block), 8u);
  EXPECT_EQ(GlobalReAlloc(block, 64, GHND), block) << "a fault fires once";
  other = GlobalAlloc(GHND, 4);
  EXPECT_NE(other, nullptr);
  GlobalFree(other);
  GlobalFree(block);
}

TEST_F(SimulationControls, ShortWriteWritesOnlyTheGivenBytesAndFailedWritesAndReadsChangeNothing) {
  HANDLE file = record("fail.dat");
  sim::shortenWrite(1, 3);
  EXPECT_EQ(write(file, "0123456789"), 3u);
  EXPECT_EQ(write(file, "abc"), 3u) << "the fault fires once";
  sim::failOperation(sim::Operation::fileWrite);
  DWORD written = 7;
  EXPECT_FALSE(WriteFile(file, "xyz", 3, &written, nullptr));
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(contents("fail.dat"), "012abc");

  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  sim::failOperation(sim::Operation::fileRead);
  char buffer[3];
  DWORD read = 7;
  EXPECT_FALSE(ReadFile(file, buffer, 3, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_READ_FAULT));
  EXPECT_EQ(read, 0u);
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 0u);
  CloseHandle(file);
}

TEST_F(SimulationControls, InjectedOpenAndDeleteFailuresLeaveNoTrace) {
  sim::failOperation(sim::Operation::fileOpen);
  EXPECT_EQ(record("never.dat"), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(dsuptest::hostFileExists(temp.file("never.dat")));

  CloseHandle(record("kept.dat"));
  sim::failOperation(sim::Operation::fileDelete);
  EXPECT_FALSE(DeleteFileW(file16("kept.dat")));
  EXPECT_TRUE(dsuptest::hostFileExists(temp.file("kept.dat")));

  HANDLE file = record("close.dat");
  sim::failOperation(sim::Operation::fileClose);
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_FALSE(CloseHandle(file)) << "a failed close still releases the handle";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(SimulationControls, CountersTellHowOftenAFileWasTouched) {
  HANDLE file = record("count.dat");
  write(file, "ab");
  write(file, "cde");
  char buffer[2];
  DWORD read;
  ReadFile(file, buffer, 2, &read, nullptr);
  CloseHandle(file);
  const sim::FileCounters counters = sim::fileCounters(temp.file("count.dat"));
  EXPECT_EQ(counters.opens, 1u);
  EXPECT_EQ(counters.writes, 2u);
  EXPECT_EQ(counters.bytesWritten, 5u);
  EXPECT_EQ(counters.reads, 1u);
}

TEST_F(SimulationControls, OnlyZeroInitGivesZeros) {
  HGLOBAL cleared = GlobalAlloc(GHND, 64);
  HGLOBAL raw = GlobalAlloc(GMEM_MOVEABLE, 64);
  const auto* zeros = static_cast<const unsigned char*>(GlobalLock(cleared));
  const auto* pattern = static_cast<const unsigned char*>(GlobalLock(raw));
  unsigned char expected[64] = {};
  EXPECT_EQ(std::memcmp(zeros, expected, 64), 0);
  EXPECT_NE(std::memcmp(pattern, expected, 64), 0) << "unrequested zeros would hide a missing clear";
  GlobalUnlock(cleared);
  GlobalUnlock(raw);
  GlobalFree(cleared);
  GlobalFree(raw);
}

TEST_F(SimulationControls, AlwaysMoveSwitchMovesEveryReallocation) {
  sim::setAlwaysMoveOnReallocate(true);
  HGLOBAL block = GlobalAlloc(GHND, 8);
  void* before = GlobalLock(block);
  GlobalUnlock(block);
  ASSERT_EQ(GlobalReAlloc(block, 4, GHND), block) << "even a shrinking block moves";
  EXPECT_NE(GlobalLock(block), before);
  GlobalUnlock(block);
  GlobalFree(block);
}

// Win32 hands a freed handle's value to the next allocation, so a stale handle would reach
// another block; the platform layer gives every allocation a new value, and the stale one fails.
TEST_F(SimulationControls, StaleHandleStaysInvalidAfterItsSlotIsReused) {
  HGLOBAL freed = GlobalAlloc(GHND, 8);
  GlobalFree(freed);
  HGLOBAL reused = GlobalAlloc(GHND, 8);
  EXPECT_NE(reused, freed);
  EXPECT_EQ(GlobalLock(freed), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  GlobalFree(reused);
}

}  // namespace
