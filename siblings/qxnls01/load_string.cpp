// NlsLoadString: a module's numbered texts, cut to the caller's buffer.
#include <qxnls01.h>

extern "C" int WINAPI NlsLoadString(HINSTANCE instance, WORD textNumber, LPWSTR buffer, int capacity) noexcept {
  // LoadStringW with capacity 0 would store a pointer in the buffer instead of a text.
  if (!buffer || capacity <= 0) return 0;
  // LoadStringW leaves the buffer untouched when the text's whole block is missing.
  buffer[0] = 0;
  return LoadStringW(instance, textNumber, buffer, capacity);
}
