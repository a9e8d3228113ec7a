// The dialog watchdog (dialog_watchdog.h): a CBT hook per thread notes when each dialog is created
// and destroyed; one thread of the program checks the open dialogs' ages.
#include "sim/win32/dialog_watchdog.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "sim/win32/utf8.h"

namespace sim::win32 {

namespace {

using Clock = std::chrono::steady_clock;

struct OpenDialog {
  std::string caption;
  Clock::time_point deadline;
};

std::mutex openDialogsMutex;
std::map<HWND, OpenDialog>& openDialogs() {
  static std::map<HWND, OpenDialog> dialogs;
  return dialogs;
}

bool isDialogClass(LPCWSTR className) {
  constexpr WORD dialogAtom = 32770;
  return IS_INTRESOURCE(className) ? LOWORD(reinterpret_cast<ULONG_PTR>(className)) == dialogAtom
                                   : lstrcmpiW(className, L"#32770") == 0;
}

LRESULT CALLBACK noteDialogs(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW& creation = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    if (isDialogClass(creation.lpszClass)) {
      const bool named = creation.lpszName && !IS_INTRESOURCE(creation.lpszName);
      std::lock_guard lock(openDialogsMutex);
      openDialogs()[reinterpret_cast<HWND>(wParam)] = {named ? toUtf8(creation.lpszName) : std::string(),
                                                       Clock::now() + std::chrono::milliseconds(dialogTimeLimit)};
    }
  } else if (code == HCBT_DESTROYWND) {
    std::lock_guard lock(openDialogsMutex);
    openDialogs().erase(reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

[[noreturn]] void endProgram(const std::string& caption) {
  std::fprintf(stderr, "watchdog: dialog \"%s\" has been open for %lu ms; the test program is ended\n", caption.c_str(),
               static_cast<unsigned long>(dialogTimeLimit));
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), watchdogExitCode);
  for (;;) Sleep(INFINITE);
}

void watch() {
  for (;;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::lock_guard lock(openDialogsMutex);
    for (const auto& [window, dialog] : openDialogs())
      if (Clock::now() > dialog.deadline) endProgram(dialog.caption);
  }
}

}  // namespace

DialogWatchdog::DialogWatchdog() : hook_(SetWindowsHookExW(WH_CBT, noteDialogs, nullptr, GetCurrentThreadId())) {
  static std::once_flag started;
  std::call_once(started, [] { std::thread(watch).detach(); });
}

DialogWatchdog::~DialogWatchdog() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

}  // namespace sim::win32
