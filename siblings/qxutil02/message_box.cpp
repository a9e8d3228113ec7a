// Message boxes with numbered texts of a module: formatted with the caller's arguments, or shown
// as written.
#include <qxutil02.h>

#include <cstddef>

#include "message_text.h"
#include "wide_format.h"
#include "wide_units.h"

extern "C" int WINAPI UtilMessageBox(HINSTANCE instance, HWND owner, WORD messageNumber, UINT style,
                                     int /*options*/, va_list arguments) noexcept {
  WCHAR format[UTIL_MESSAGE_CAPACITY];
  qxutil::loadMessageText(instance, messageNumber, format, UTIL_MESSAGE_CAPACITY);
  WCHAR text[2 * UTIL_MESSAGE_CAPACITY];
  qxformat::formatWide(qxsibling::utf16(text), std::size(text), qxsibling::utf16(format), arguments);
  return MessageBoxW(owner, text, qxutil::captionFor(style), style);
}

extern "C" int WINAPI UtilShowMessage(HINSTANCE instance, HWND owner, WORD messageNumber) noexcept {
  constexpr UINT warning = MB_OK | MB_ICONEXCLAMATION;
  WCHAR text[UTIL_MESSAGE_CAPACITY];
  qxutil::loadMessageText(instance, messageNumber, text, UTIL_MESSAGE_CAPACITY);
  return MessageBoxW(owner, text, qxutil::captionFor(warning), warning);
}
