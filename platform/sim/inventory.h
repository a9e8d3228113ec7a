// What the platform layer holds right now, so that tests can check that nothing leaks: live
// global memory blocks (and how many of them are locked), open file handles, windows and device
// contexts.
#pragma once

#include <cstddef>

#include <windows.h>

#include "sim_api.h"

namespace sim {

SIM_API std::size_t liveMemoryBlocks();
SIM_API std::size_t lockedMemoryBlocks();
SIM_API std::size_t openFileHandles();
SIM_API std::size_t liveWindows();
SIM_API std::size_t liveDeviceContexts();

// Puts the whole simulation back to its starting state: faults disarmed, counters at 0,
// reallocation not forced to move, clock simulated at 2026-01-01 00:00:00 UTC with tick count 0,
// trace empty. Live blocks, handles and windows are not touched.
SIM_API void resetSimulation();

}  // namespace sim
