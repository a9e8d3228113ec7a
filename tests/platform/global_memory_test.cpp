// Global memory as the library relies on it: movable handles, lock counts, reallocation that keeps
// the handle and may move the block, zero-filled growth, and handles that fail cleanly.
#include <windows.h>

#include <cstring>

#include "common/platform_test.h"
#include "sim/faults.h"

namespace {

using GlobalMemory = dsuptest::PlatformTest;

TEST_F(GlobalMemory, MovableHandleDiffersFromAddressAndLocksNest) {
  HGLOBAL block = GlobalAlloc(GHND, 16);
  ASSERT_NE(block, nullptr);
  void* first = GlobalLock(block);
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, block);
  EXPECT_EQ(GlobalLock(block), first);
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 2u);

  EXPECT_TRUE(GlobalUnlock(block));
  SetLastError(ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST_F(GlobalMemory, OnlyZeroInitGivesZeros) {
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

TEST_F(GlobalMemory, ReallocationKeepsHandleAndContentsAndClearsGrowth) {
  sim::setAlwaysMoveOnReallocate(true);
  HGLOBAL block = GlobalAlloc(GHND, 8);
  auto* before = static_cast<unsigned char*>(GlobalLock(block));
  std::memcpy(before, "ABCDEFGH", 8);
  GlobalUnlock(block);

  ASSERT_EQ(GlobalReAlloc(block, 4096, GHND), block);
  EXPECT_EQ(GlobalSize(block), 4096u);
  auto* after = static_cast<unsigned char*>(GlobalLock(block));
  EXPECT_NE(after, before) << "the always-move switch must move the block";
  EXPECT_EQ(std::memcmp(after, "ABCDEFGH", 8), 0);
  for (int i = 8; i < 4096; ++i) ASSERT_EQ(after[i], 0) << "byte " << i;
  GlobalUnlock(block);

  ASSERT_EQ(GlobalReAlloc(block, 4, GHND), block);
  EXPECT_EQ(GlobalSize(block), 4u);
  GlobalFree(block);
}

TEST_F(GlobalMemory, LockedBlockMovesOnlyWhenTheCallerAllowsIt) {
  HGLOBAL block = GlobalAlloc(GHND, 16);
  ASSERT_NE(GlobalLock(block), nullptr);
  EXPECT_EQ(GlobalReAlloc(block, 1 << 20, GMEM_ZEROINIT), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  EXPECT_EQ(GlobalSize(block), 16u);
  EXPECT_EQ(GlobalReAlloc(block, 1 << 20, GHND), block);
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 1u) << "moving keeps the lock count";
  GlobalUnlock(block);
  GlobalFree(block);
}

TEST_F(GlobalMemory, FixedBlockIsItsOwnHandle) {
  HGLOBAL block = GlobalAlloc(GPTR, 32);
  EXPECT_EQ(GlobalLock(block), block);
  EXPECT_TRUE(GlobalUnlock(block));
  EXPECT_EQ(GlobalSize(block), 32u);
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST_F(GlobalMemory, InvalidHandlesFailWithoutTouchingMemory) {
  HGLOBAL freed = GlobalAlloc(GHND, 8);
  GlobalFree(freed);
  HGLOBAL reused = GlobalAlloc(GHND, 8);  // may take the freed slot: the old handle stays invalid
  EXPECT_NE(reused, freed);
  HANDLE file = CreateFileW(temp.file16("x").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);

  const HGLOBAL invalid[] = {nullptr, freed, file, reinterpret_cast<HGLOBAL>(0x1234),
                             INVALID_HANDLE_VALUE};
  for (HGLOBAL handle : invalid) {
    SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(handle));
    SetLastError(NO_ERROR);
    EXPECT_EQ(GlobalLock(handle), nullptr);
    if (handle) {
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_FALSE(GlobalUnlock(handle));
    EXPECT_EQ(GlobalSize(handle), 0u);
    EXPECT_EQ(GlobalReAlloc(handle, 16, GHND), nullptr);
    EXPECT_EQ(GlobalFree(handle), handle);
  }
  EXPECT_TRUE(CloseHandle(file));
  GlobalFree(reused);
}

TEST_F(GlobalMemory, InjectedFailuresLeaveTheBlockAsItWas) {
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

}  // namespace
