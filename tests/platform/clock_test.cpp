// The settable clock: the tick count and the calendar move only when a test moves them.
#include <windows.h>

#include "common/platform_test.h"
#include "sim/clock.h"

namespace {

using Clock = dsuptest::PlatformTest;

ULONGLONG fileTime() {
  FILETIME time;
  GetSystemTimeAsFileTime(&time);
  return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

TEST_F(Clock, CalendarIsReportedSince1601) {
  sim::setCalendarTime(1767225600);  // 2026-01-01 00:00:00 UTC
  EXPECT_EQ(fileTime(), 134116992000000000ull);
  EXPECT_EQ(sim::calendarTime(), 1767225600);
}

TEST_F(Clock, StandsStillUntilAdvanced) {
  sim::setTickCount(5000);
  sim::setCalendarTime(1000);
  EXPECT_EQ(GetTickCount(), 5000u);
  EXPECT_EQ(GetTickCount(), 5000u);
  sim::advanceTime(10500);
  EXPECT_EQ(GetTickCount(), 15500u);
  EXPECT_EQ(sim::calendarTime(), 1010);
}

TEST_F(Clock, CalendarCanBeSetBackAlone) {
  sim::setTickCount(100);
  sim::setCalendarTime(2000);
  sim::setCalendarTime(1990);
  EXPECT_EQ(sim::calendarTime(), 1990);
  EXPECT_EQ(GetTickCount(), 100u);
}

TEST_F(Clock, TickCountWrapsAt32Bits) {
  sim::setTickCount(0xFFFFFF00u);
  sim::advanceTime(0x200);
  EXPECT_EQ(GetTickCount(), 0x100u);
}

}  // namespace
