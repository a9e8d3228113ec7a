// The scroller control's library in the test program, loaded as a host loads it beside the driver
// support library: on Windows with LoadLibraryW for as long as the object lives (loading it
// registers the scroller class, unloading it removes the class); on other hosts the program links
// it, and it is loaded from the start.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

namespace dsuptest {

class ScrollerLibrary {
 public:
#ifdef _WIN32
  ScrollerLibrary() : module_(LoadLibraryW(L"QXSCROLLER.dll")) { EXPECT_NE(module_, nullptr) << "QXSCROLLER.dll"; }
  ~ScrollerLibrary() {
    if (module_) FreeLibrary(module_);
  }
#else
  ScrollerLibrary() = default;
  ~ScrollerLibrary() = default;
#endif
  ScrollerLibrary(const ScrollerLibrary&) = delete;
  ScrollerLibrary& operator=(const ScrollerLibrary&) = delete;

 private:
#ifdef _WIN32
  HMODULE module_;
#endif
};

}  // namespace dsuptest
