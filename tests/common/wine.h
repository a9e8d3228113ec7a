// Whether the test program runs under Wine. Where Wine departs from the Win32 documentation, the
// platform layer follows the documentation, and the tests skip that check under Wine alone,
// naming the departure of wine_departures.h
// (GTEST_SKIP, naming the departure).
#pragma once

#include <windows.h>

namespace dsuptest {

inline bool runsUnderWine() {
#ifdef _WIN32
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
  return false;
#endif
}

}  // namespace dsuptest
