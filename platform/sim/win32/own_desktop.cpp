// A desktop of the program's own (own_desktop.h).
#include "sim/win32/own_desktop.h"

#include <windows.h>

#include <string>

namespace sim::win32 {

bool moveToOwnDesktop() {
  static const bool moved = [] {
    const std::wstring name = L"dsup-tests-" + std::to_wstring(GetCurrentProcessId());
    const HDESK desktop = CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop && SetThreadDesktop(desktop);
  }();
  return moved;
}

}  // namespace sim::win32
