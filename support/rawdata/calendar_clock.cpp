#include "rawdata/calendar_clock.h"

namespace dsup {

namespace {

// A FILETIME counts 100-nanosecond intervals since 1601-01-01 UTC.
constexpr ULONGLONG fileTimeUnitsPerSecond = 10000000;
constexpr LONGLONG secondsFrom1601To1970 = 11644473600;

}  // namespace

LONGLONG calendarSeconds() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const ULONGLONG units = (ULONGLONG{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  return static_cast<LONGLONG>(units / fileTimeUnitsPerSecond) - secondsFrom1601To1970;
}

}  // namespace dsup
