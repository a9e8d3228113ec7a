// Movable and fixed global memory (GlobalAlloc and its family).
//
// Movable blocks live in a handle table, so their handles differ from their addresses and a
// freed or foreign handle is recognised. Fixed blocks are named by their address and kept in a
// map for the same checks. New bytes that the caller did not ask to be cleared hold a fill
// pattern, so that code relying on zeros it did not request shows up in tests.
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "kernel/fault_points.h"
#include "kernel/handle_table.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace {

constexpr unsigned char fillPattern = 0xA5;

struct MemoryBlock {
  unsigned char* data = nullptr;  // null for a discarded movable block
  SIZE_T size = 0;
  UINT lockCount = 0;
  bool movable = false;

  ~MemoryBlock() { std::free(data); }
};

struct MemoryState {
  std::mutex mutex;
  qxplatform::HandleTable<MemoryBlock> movable{qxplatform::HandleKind::memory};
  std::unordered_map<const void*, std::unique_ptr<MemoryBlock>> fixed;
};

MemoryState& state() {
  static MemoryState* instance = new MemoryState;  // never destroyed: used until the process ends
  return *instance;
}

std::atomic<bool> alwaysMove{false};

MemoryBlock* findBlock(MemoryState& s, HGLOBAL handle) {
  if (!handle) return nullptr;
  if (MemoryBlock* block = s.movable.find(reinterpret_cast<std::uintptr_t>(handle))) return block;
  auto it = s.fixed.find(handle);
  return it == s.fixed.end() ? nullptr : it->second.get();
}

// Allocates at least one byte, so that every fixed block has an address of its own.
unsigned char* allocateBytes(SIZE_T size) {
  return static_cast<unsigned char*>(std::malloc(size ? size : 1));
}

void fillNewBytes(unsigned char* data, SIZE_T from, SIZE_T to, UINT flags) {
  if (to > from) std::memset(data + from, (flags & GMEM_ZEROINIT) ? 0 : fillPattern, to - from);
}

}  // namespace

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
  if (qxplatform::enterOperation(sim::Operation::allocate).fail) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto block = std::make_unique<MemoryBlock>();
  block->movable = (flags & GMEM_MOVEABLE) != 0;
  block->size = bytes;
  if (!block->movable || bytes > 0) {
    block->data = allocateBytes(bytes);
    if (!block->data) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    fillNewBytes(block->data, 0, bytes, flags);
  }
  MemoryState& s = state();
  std::lock_guard lock(s.mutex);
  if (!block->movable) {
    HGLOBAL handle = block->data;
    s.fixed.emplace(handle, std::move(block));
    return handle;
  }
  std::uintptr_t value = s.movable.insert(std::move(block));
  if (!value) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return reinterpret_cast<HGLOBAL>(value);
}

extern "C" HGLOBAL WINAPI GlobalReAlloc(HGLOBAL handle, SIZE_T bytes, UINT flags) {
  MemoryState& s = state();
  std::unique_lock lock(s.mutex);
  MemoryBlock* block = findBlock(s, handle);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (flags & GMEM_MODIFY) return handle;
  lock.unlock();
  const bool fail = qxplatform::enterOperation(sim::Operation::reallocate).fail;
  lock.lock();
  block = findBlock(s, handle);
  if (fail || !block) {
    SetLastError(block ? ERROR_NOT_ENOUGH_MEMORY : ERROR_INVALID_HANDLE);
    return nullptr;
  }
  // A locked block, or a fixed one, may move only when the caller allows it.
  const bool mayMove = (flags & GMEM_MOVEABLE) || (block->movable && block->lockCount == 0);
  const bool grows = bytes > block->size;
  if (!mayMove && (grows || !block->data)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  unsigned char* data = block->data;
  if (mayMove && (alwaysMove.load() || grows || !data)) {
    data = allocateBytes(bytes);
    if (!data) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    if (block->data) std::memcpy(data, block->data, bytes < block->size ? bytes : block->size);
    std::free(block->data);
  }
  fillNewBytes(data, block->size, bytes, flags);
  const void* oldAddress = block->data;
  block->data = data;
  block->size = bytes;
  if (block->movable) return handle;
  // A fixed block's handle is its address: a moved block is known by its new one.
  auto node = s.fixed.extract(oldAddress);
  node.key() = data;
  s.fixed.insert(std::move(node));
  return data;
}

extern "C" LPVOID WINAPI GlobalLock(HGLOBAL handle) {
  const bool fail = qxplatform::enterOperation(sim::Operation::lock).fail;
  MemoryState& s = state();
  std::lock_guard lock(s.mutex);
  MemoryBlock* block = findBlock(s, handle);
  if (!block || fail) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!block->data) {
    SetLastError(ERROR_DISCARDED);
    return nullptr;
  }
  if (block->movable && block->lockCount < GMEM_LOCKCOUNT) ++block->lockCount;
  return block->data;
}

extern "C" BOOL WINAPI GlobalUnlock(HGLOBAL handle) {
  MemoryState& s = state();
  std::lock_guard lock(s.mutex);
  MemoryBlock* block = findBlock(s, handle);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!block->movable) return TRUE;
  if (block->lockCount == 0) {
    SetLastError(ERROR_NOT_LOCKED);
    return FALSE;
  }
  if (--block->lockCount > 0) return TRUE;
  SetLastError(NO_ERROR);
  return FALSE;
}

extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL handle) {
  MemoryState& s = state();
  std::unique_ptr<MemoryBlock> freed;  // released after the mutex
  std::lock_guard lock(s.mutex);
  if (!handle) return nullptr;
  freed = s.movable.erase(reinterpret_cast<std::uintptr_t>(handle));
  if (!freed) {
    auto it = s.fixed.find(handle);
    if (it != s.fixed.end()) {
      freed = std::move(it->second);
      s.fixed.erase(it);
    }
  }
  if (!freed) {
    SetLastError(ERROR_INVALID_HANDLE);
    return handle;
  }
  return nullptr;
}

extern "C" SIZE_T WINAPI GlobalSize(HGLOBAL handle) {
  MemoryState& s = state();
  std::lock_guard lock(s.mutex);
  MemoryBlock* block = findBlock(s, handle);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return block->size;
}

extern "C" UINT WINAPI GlobalFlags(HGLOBAL handle) {
  MemoryState& s = state();
  std::lock_guard lock(s.mutex);
  MemoryBlock* block = findBlock(s, handle);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return GMEM_INVALID_HANDLE;
  }
  return block->lockCount;
}

namespace sim {

void setAlwaysMoveOnReallocate(bool on) { alwaysMove = on; }

std::size_t liveMemoryBlocks() {
  MemoryState& s = state();
  std::lock_guard lock(s.mutex);
  return s.movable.size() + s.fixed.size();
}

std::size_t lockedMemoryBlocks() {
  MemoryState& s = state();
  std::lock_guard lock(s.mutex);
  std::size_t locked = 0;
  s.movable.forEach([&](const MemoryBlock& block) { locked += block.lockCount > 0; });
  return locked;
}

}  // namespace sim
