// Global memory as the library relies on it: movable handles, lock counts, reallocation that keeps
// the handle and may move the block, zero-filled growth, and handles that fail cleanly.
#include <windows.h>

#include <cstring>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace {

using GlobalMemory = dsuptest::PlatformTest;

TEST_F(GlobalMemory, MovableHandleDiffersFromAddressAndLocksNestFixedBlockIsItsOwnHandle) {
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

  HGLOBAL fixed = GlobalAlloc(GPTR, 32);
  EXPECT_EQ(GlobalLock(fixed), fixed) << "a fixed block is its own handle";
  EXPECT_TRUE(GlobalUnlock(fixed));
  EXPECT_EQ(GlobalSize(fixed), 32u);
  EXPECT_EQ(GlobalFree(fixed), nullptr);
}

TEST_F(GlobalMemory, ReallocationKeepsHandleAndContentsAndClearsGrowth) {
  HGLOBAL block = GlobalAlloc(GHND, 8);
  std::memcpy(static_cast<unsigned char*>(GlobalLock(block)), "ABCDEFGH", 8);
  GlobalUnlock(block);

  ASSERT_EQ(GlobalReAlloc(block, 4096, GHND), block);
  EXPECT_EQ(GlobalSize(block), 4096u);
  auto* after = static_cast<unsigned char*>(GlobalLock(block));
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

TEST_F(GlobalMemory, InvalidHandlesFailWithoutTouchingMemory) {
  HGLOBAL freed = GlobalAlloc(GHND, 8);
  GlobalFree(freed);
  HANDLE file = CreateFileW(dsuptest::w(temp.file16("x")), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
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
}

}  // namespace
