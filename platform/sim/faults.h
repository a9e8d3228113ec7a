// Fault injection and operation counters of the platform layer.
//
// Every faultable operation of the kernel layer is counted, and any of them can be made to fail
// the way the machine would fail it: an allocation or reallocation without memory, a lock that
// returns null, a file that cannot be opened, a read or a write that fails, a write that comes
// back short, a delete or a close that fails. A test first runs a scenario to count its
// operations, then runs it again with each of them failing in turn (a fault sweep), and checks
// that every run ends cleanly (see inventory.h).
//
// Faults are armed for the n-th operation from now (1 = the next one) and fire once. Counting
// and faults are process-wide; arm them from the thread that runs the scenario.
#pragma once

#include <cstdint>
#include <string>

#include "sim_api.h"

namespace sim {

enum class Operation {
  allocate,    // GlobalAlloc: null, ERROR_NOT_ENOUGH_MEMORY
  reallocate,  // GlobalReAlloc: null, block unchanged, ERROR_NOT_ENOUGH_MEMORY
  lock,        // GlobalLock: null, ERROR_INVALID_HANDLE (lock count unchanged)
  fileOpen,    // CreateFileW: INVALID_HANDLE_VALUE, ERROR_ACCESS_DENIED, nothing created
  fileRead,    // ReadFile: FALSE, ERROR_READ_FAULT, nothing read
  fileWrite,   // WriteFile: FALSE, ERROR_DISK_FULL, nothing written
  fileDelete,  // DeleteFileW: FALSE, ERROR_ACCESS_DENIED, the file stays
  fileClose,   // CloseHandle of a file: FALSE, ERROR_WRITE_FAULT; the handle is released anyway
};

inline constexpr int operationKinds = 8;

// Operations of that kind attempted since the last resetCounters(), failed ones included.
SIM_API std::uint64_t operationCount(Operation kind);

// Operations of every kind attempted since the last resetCounters().
SIM_API std::uint64_t operationCount();

// Makes the n-th operation of that kind from now fail (n = 1: the next one).
SIM_API void failOperation(Operation kind, std::uint64_t nth = 1);

// Makes the n-th faultable operation of any kind from now fail: the step of a fault sweep.
SIM_API void failAnyOperation(std::uint64_t nth);

// Makes the n-th file write from now write only `bytesWritten` bytes (fewer than it was asked
// for) and report success with that count, as a full disk does.
SIM_API void shortenWrite(std::uint64_t nth, std::uint32_t bytesWritten);

// Makes every operation of that kind fail until clearFaults().
SIM_API void failEveryOperation(Operation kind);

// Disarms every fault that has not fired.
SIM_API void clearFaults();

// Faults that fired since the last resetCounters().
SIM_API std::uint64_t faultsFired();

// What was done to one file, counted by the path through which it was opened or deleted (UTF-8,
// with '\\' turned into '/').
struct FileCounters {
  std::uint64_t opens = 0;
  std::uint64_t reads = 0;
  std::uint64_t writes = 0;
  std::uint64_t bytesWritten = 0;
  std::uint64_t deletes = 0;
};

SIM_API FileCounters fileCounters(const std::string& path);

// Sets every counter, those of the files included, back to 0.
SIM_API void resetCounters();

// When on, every successful reallocation of a movable block moves it to a new address (the old
// one is released), so that a pointer kept across a reallocation shows up at once.
SIM_API void setAlwaysMoveOnReallocate(bool on);

}  // namespace sim
