#include "timetable/driver_messages.h"

#include "host/sibling_services.h"

namespace dsup::timetable {

namespace {

constexpr UINT warningStyle = MB_OK | MB_ICONEXCLAMATION;
constexpr UINT questionStyle = MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;

int showDriverText(HWND dialog, WORD number, UINT style) {
  WCHAR text[messageCapacity];
  loadDriverText(dialog, number, text, messageCapacity);
  return MessageBoxW(dialog, text, TEXT(""), style);
}

}  // namespace

void loadDriverText(HWND dialog, WORD number, LPWSTR buffer, int capacity) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
  buffer[0] = 0;
  NlsLoadString(instance, number, buffer, capacity);
}

void showDriverWarning(HWND dialog, WORD number) { showDriverText(dialog, number, warningStyle); }

int askDriverQuestion(HWND dialog, WORD number) { return showDriverText(dialog, number, questionStyle); }

}  // namespace dsup::timetable
