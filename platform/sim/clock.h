// The settable clock of the platform layer.
//
// By default the platform reads the machine's clocks. Once a test or a demo sets the time, the
// clock is simulated: it stands still until it is set or advanced again, so that time gates
// (a flush every 10 seconds, the click gate of a timetable) are driven step by step. The tick
// count (GetTickCount) and the calendar time (GetSystemTimeAsFileTime) are kept apart so that
// either can be set on its own, for example to set the calendar back; advancing moves both.
// Called from the thread that drives the simulation.
#pragma once

#include <cstdint>

#include "sim_api.h"

namespace sim {

// Switches to the simulated clock with the calendar at `unixSeconds` (seconds since
// 1970-01-01 UTC); the tick count keeps its value.
SIM_API void setCalendarTime(std::int64_t unixSeconds);

// Switches to the simulated clock with the tick count at `milliseconds`; the calendar keeps its
// value.
SIM_API void setTickCount(std::uint32_t milliseconds);

// Advances both simulated clocks; the tick count wraps at 2^32 as GetTickCount does.
// REQUIRES: the clock is simulated.
SIM_API void advanceTime(std::uint64_t milliseconds);

// Goes back to the machine's clocks.
SIM_API void useMachineClock();

// The calendar time that the platform reports now, in whole seconds since 1970-01-01 UTC.
SIM_API std::int64_t calendarTime();

}  // namespace sim
