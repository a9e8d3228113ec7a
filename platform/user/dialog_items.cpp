// Dialog controls by id: GetDlgItem, GetDlgCtrlID, SendDlgItemMessageW, GetDlgItemTextW,
// SetDlgItemTextW, GetDlgItemInt, SetDlgItemInt.
#include <windows.h>

#include <string>

#include "user/window.h"

namespace {

using namespace qxplatform::user;

bool isBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Reads a decimal number as GetDlgItemInt does; false when the text is not one.
bool parseInteger(const std::u16string& text, bool isSigned, UINT& value) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || (isSigned && text[i] == u'-'))) negative = text[i++] == u'-';
  const std::size_t firstDigit = i;
  unsigned long long magnitude = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (i == firstDigit) return false;
  if (isSigned) {
    if (magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
    value = static_cast<UINT>(negative ? 0 - magnitude : magnitude);
  } else {
    value = static_cast<UINT>(magnitude);
  }
  return true;
}

}  // namespace

extern "C" HWND WINAPI GetDlgItem(HWND dialog, int id) {
  const Window* window = findWindow(dialog);
  if (!window) return nullptr;
  for (HWND child : window->children)
    if (const Window* control = lookUpWindow(child); control && control->id == id) return child;
  return nullptr;
}

extern "C" int WINAPI GetDlgCtrlID(HWND window) { return static_cast<int>(GetWindowLongPtrW(window, GWLP_ID)); }

extern "C" LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND control = GetDlgItem(dialog, id);
  return control ? SendMessageW(control, message, wParam, lParam) : 0;
}

extern "C" UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int capacity) {
  if (const HWND control = GetDlgItem(dialog, id)) return static_cast<UINT>(GetWindowTextW(control, buffer, capacity));
  if (buffer && capacity > 0) buffer[0] = 0;
  return 0;
}

extern "C" BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
  const HWND control = GetDlgItem(dialog, id);
  return control ? SetWindowTextW(control, text) : FALSE;
}

extern "C" UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  if (translated) *translated = FALSE;
  const HWND control = GetDlgItem(dialog, id);
  if (!control) return 0;
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, u'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  UINT value = 0;
  if (!parseInteger(text, isSigned != FALSE, value)) return 0;
  if (translated) *translated = TRUE;
  return value;
}

extern "C" BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  const std::string digits = isSigned ? std::to_string(static_cast<INT>(value)) : std::to_string(value);
  return SetDlgItemTextW(dialog, id, std::u16string(digits.begin(), digits.end()).c_str());
}
