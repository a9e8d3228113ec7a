// Global memory under the simulation controls: the fill pattern of uncleared bytes, the
// always-move switch, and injected failures.
#include <windows.h>

#include <cstring>

#include "common/platform_test.h"
#include "sim/faults.h"

namespace {

using GlobalMemorySimulation = dsuptest::PlatformTest;

TEST_F(GlobalMemorySimulation, OnlyZeroInitGivesZeros) {
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

TEST_F(GlobalMemorySimulation, InjectedFailuresLeaveTheBlockAsItWas) {
  sim::failOperation(sim::Operation::allocate);
  EXPECT_EQ(GlobalAlloc(GHND, 8), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));

  HGLOBAL block = GlobalAlloc(GHND, 8);
  sim::failOperation(sim::Operation::reallocate);
  EXPECT_EQ(GlobalReAlloc(block, 64, GHND), nullptr);
  EXPECT_EQ(GlobalSize(block), 8u);
  sim::failOperation(sim::Operation::lock);
  EXPECT_EQ(GlobalLock(block), nullptr);
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "a failed lock counts no lock";
  EXPECT_NE(GlobalLock(block), nullptr) << "a fault fires once";
  GlobalUnlock(block);
  GlobalFree(block);
}

TEST_F(GlobalMemorySimulation, AlwaysMoveSwitchMovesEveryReallocation) {
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
TEST_F(GlobalMemorySimulation, StaleHandleStaysInvalidAfterItsSlotIsReused) {
  HGLOBAL freed = GlobalAlloc(GHND, 8);
  GlobalFree(freed);
  HGLOBAL reused = GlobalAlloc(GHND, 8);
  EXPECT_NE(reused, freed);
  EXPECT_EQ(GlobalLock(freed), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  GlobalFree(reused);
}

}  // namespace
