// The calendar time in whole seconds since 1970-01-01 UTC, from the system's file time. The write
// cache's time gate compares it with the time of the last flush.
#pragma once

#include <windows.h>

namespace dsup {

LONGLONG calendarSeconds();

}  // namespace dsup
