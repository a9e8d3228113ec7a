// Modal dialogs and message boxes (modal_windows.h).
#include "sim/win32/modal_windows.h"

#include "sim/win32/utf8.h"

namespace sim::win32 {

namespace {

constexpr int messageBoxTextId = 0xFFFF;

std::u16string textOf(HWND window) {
  WCHAR text[512] = {};
  GetWindowTextW(window, text, 512);
  return reinterpret_cast<const char16_t*>(text);
}

std::string quoted(const std::u16string& text) {
  return "\"" + toUtf8({reinterpret_cast<const wchar_t*>(text.data()), text.size()}) + "\"";
}

}  // namespace

bool hasClass(HWND window, const wchar_t* className) {
  WCHAR name[64] = {};
  return GetClassNameW(window, name, 64) && lstrcmpiW(name, className) == 0;
}

bool isMessageBox(HWND window) {
  if (!hasClass(window, L"#32770")) return false;
  HMODULE procedureModule = nullptr;
  const auto procedure = reinterpret_cast<LPCWSTR>(GetWindowLongPtrW(window, DWLP_DLGPROC));
  return procedure &&
         GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            procedure, &procedureModule) &&
         procedureModule == GetModuleHandleW(L"user32.dll");
}

namespace {

bool isEnabledDialog(HWND window) { return hasClass(window, L"#32770") && IsWindowEnabled(window); }

bool isModal(HWND window) {
  const HWND owner = GetWindow(window, GW_OWNER);
  return isEnabledDialog(window) && (isMessageBox(window) || (owner && !IsWindowEnabled(owner)));
}

BOOL CALLBACK findModal(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || !isModal(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

HWND modalWindowOfThread() {
  const HWND active = GetActiveWindow();
  if (active && (isModal(active) || (isEnabledDialog(active) && !GetWindow(active, GW_OWNER)))) return active;
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findModal, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool isInFront(HWND window) { return IsWindowVisible(window) && GetForegroundWindow() == window; }

std::u16string messageBoxText(HWND box) { return textOf(GetDlgItem(box, messageBoxTextId)); }

std::string describeWindow(HWND window) {
  return isMessageBox(window) ? "message box " + quoted(messageBoxText(window)) : "dialog " + quoted(textOf(window));
}

}  // namespace sim::win32
