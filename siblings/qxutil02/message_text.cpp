#include "message_text.h"

#include <qxnls01.h>

#include <array>
#include <cstddef>

#include "wide_format.h"

namespace qxutil {

namespace {

constexpr UINT iconMask = 0xF0;

}  // namespace

void loadMessageText(HINSTANCE instance, WORD messageNumber, LPWSTR buffer, int capacity) {
  if (NlsLoadString(instance, messageNumber, buffer, capacity) > 0) return;
  const std::array<qxformat::FormatArgument, 1> number{messageNumber};
  qxformat::formatWide(buffer, static_cast<std::size_t>(capacity), u"no string %X", number);
}

LPCWSTR captionFor(UINT style) {
  switch (style & iconMask) {
    case MB_ICONHAND: return u"Error";
    case MB_ICONEXCLAMATION: return u"Warning";
    case MB_ICONQUESTION: return u"Question";
    case MB_ICONASTERISK: return u"Information";
    default: return u"Message";
  }
}

}  // namespace qxutil
