// GetTickCount and the calendar clock, from the machine or from the settable clock of sim/clock.h.
#include <time.h>
#include <windows.h>

#include <mutex>

#include "sim/clock.h"

namespace {

// Seconds between 1601-01-01 (the FILETIME epoch) and 1970-01-01.
constexpr std::int64_t fileTimeEpochOffset = 11644473600;
constexpr std::int64_t fileTimeUnitsPerSecond = 10000000;

struct ClockState {
  std::mutex mutex;
  bool simulated = false;
  std::int64_t calendarMilliseconds = 0;
  std::uint32_t tickCount = 0;
};

ClockState& state() {
  static ClockState* instance = new ClockState;  // never destroyed: used until the process ends
  return *instance;
}

std::int64_t machineMilliseconds(clockid_t clock) {
  timespec now;
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

std::int64_t calendarMilliseconds() {
  ClockState& s = state();
  std::lock_guard lock(s.mutex);
  return s.simulated ? s.calendarMilliseconds : machineMilliseconds(CLOCK_REALTIME);
}

}  // namespace

extern "C" DWORD WINAPI GetTickCount(void) {
  ClockState& s = state();
  std::lock_guard lock(s.mutex);
  return s.simulated ? s.tickCount : static_cast<DWORD>(machineMilliseconds(CLOCK_MONOTONIC));
}

extern "C" void WINAPI GetSystemTimeAsFileTime(LPFILETIME time) {
  if (!time) return;
  const std::int64_t ms = calendarMilliseconds();
  const auto units = static_cast<std::uint64_t>((ms / 1000 + fileTimeEpochOffset) * fileTimeUnitsPerSecond +
                                                (ms % 1000) * (fileTimeUnitsPerSecond / 1000));
  time->dwLowDateTime = static_cast<DWORD>(units);
  time->dwHighDateTime = static_cast<DWORD>(units >> 32);
}

namespace sim {

void setCalendarTime(std::int64_t unixSeconds) {
  ClockState& s = state();
  std::lock_guard lock(s.mutex);
  if (!s.simulated) s.tickCount = static_cast<std::uint32_t>(machineMilliseconds(CLOCK_MONOTONIC));
  s.simulated = true;
  s.calendarMilliseconds = unixSeconds * 1000;
}

void setTickCount(std::uint32_t milliseconds) {
  ClockState& s = state();
  std::lock_guard lock(s.mutex);
  if (!s.simulated) s.calendarMilliseconds = machineMilliseconds(CLOCK_REALTIME);
  s.simulated = true;
  s.tickCount = milliseconds;
}

void advanceTime(std::uint64_t milliseconds) {
  ClockState& s = state();
  std::lock_guard lock(s.mutex);
  s.calendarMilliseconds += static_cast<std::int64_t>(milliseconds);
  s.tickCount += static_cast<std::uint32_t>(milliseconds);
}

void useMachineClock() {
  ClockState& s = state();
  std::lock_guard lock(s.mutex);
  s.simulated = false;
}

std::int64_t calendarTime() {
  const std::int64_t ms = calendarMilliseconds();
  return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

}  // namespace sim
