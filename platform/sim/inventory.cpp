// The simulation's starting state (sim/inventory.h); the live counts are kept by the owners of
// the objects (global_memory.cpp, files.cpp, user/window_table.cpp, gdi/device_context.cpp).
#include "sim/inventory.h"

#include "sim/clock.h"
#include "sim/faults.h"
#include "sim/trace.h"

namespace sim {

namespace {
constexpr std::int64_t startOf2026 = 1767225600;  // 2026-01-01 00:00:00 UTC
}

void resetSimulation() {
  clearFaults();
  resetCounters();
  setAlwaysMoveOnReallocate(false);
  setCalendarTime(startOf2026);
  setTickCount(0);
  clearTrace();
}

}  // namespace sim
