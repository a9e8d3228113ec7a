// Slim reader/writer locks in exclusive mode: the lock word is the SRWLOCK's own pointer, null when
// free; a thread that finds it taken sleeps until the holder releases it.
#include <windows.h>

#include <atomic>

namespace {

void* const taken = reinterpret_cast<void*>(1);

std::atomic_ref<void*> word(PSRWLOCK lock) { return std::atomic_ref<void*>(lock->Ptr); }

}  // namespace

extern "C" void WINAPI InitializeSRWLock(PSRWLOCK lock) { lock->Ptr = nullptr; }

extern "C" void WINAPI AcquireSRWLockExclusive(PSRWLOCK lock) {
  std::atomic_ref<void*> state = word(lock);
  for (void* seen = nullptr; !state.compare_exchange_weak(seen, taken, std::memory_order_acquire); seen = nullptr) {
    if (seen) state.wait(seen, std::memory_order_relaxed);
  }
}

extern "C" void WINAPI ReleaseSRWLockExclusive(PSRWLOCK lock) {
  std::atomic_ref<void*> state = word(lock);
  state.store(nullptr, std::memory_order_release);
  state.notify_one();
}
