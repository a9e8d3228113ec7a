// A watchdog over the dialogs of a test thread. A dialog or message box (class "#32770") that stays
// open longer than dialogTimeLimit cannot be ended by its test any more: the test program is taken
// to hang, and the watchdog writes which dialog to the error output and ends the program with
// watchdogExitCode, so that the run fails instead of waiting for ever.
#pragma once

#include <windows.h>

namespace sim::win32 {

inline constexpr DWORD dialogTimeLimit = 30000;  // milliseconds
inline constexpr UINT watchdogExitCode = 3;

class DialogWatchdog {
 public:
  // Watches the dialogs created on the calling thread from now on, until destroyed.
  DialogWatchdog();
  ~DialogWatchdog();
  DialogWatchdog(const DialogWatchdog&) = delete;
  DialogWatchdog& operator=(const DialogWatchdog&) = delete;

 private:
  HHOOK hook_;
};

}  // namespace sim::win32
