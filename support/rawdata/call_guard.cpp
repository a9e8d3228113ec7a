#include "rawdata/call_guard.h"

#include <cstdint>

namespace dsup {

namespace {

constexpr unsigned guardBits = 4;

SRWLOCK guards[1u << guardBits] = {};  // all free (SRWLOCK_INIT)

// Fibonacci hashing spreads handle values, which are multiples of 4 or 8, over the guards.
SRWLOCK* guardOf(const void* handle) {
  const auto value = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
  return &guards[(value * 0x9E3779B97F4A7C15u) >> (64 - guardBits)];
}

}  // namespace

CallGuard::CallGuard(const void* handle) : lock_(guardOf(handle)) { AcquireSRWLockExclusive(lock_); }

CallGuard::~CallGuard() { ReleaseSRWLockExclusive(lock_); }

}  // namespace dsup
