// Whether the test program runs under Wine. Where Wine departs from the Win32 documentation, the
// platform layer follows the documentation, and the tests skip that check under Wine alone
// (GTEST_SKIP), naming the departure from the list in wine_departures.h.
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
