#include "message_text.h"

#include <array>
#include <cstddef>

#include "module_text.h"
#include "wide_format.h"
#include "wide_units.h"

namespace qxutil {

namespace {

constexpr UINT iconMask = 0xF0;

}  // namespace

void loadMessageText(HINSTANCE instance, WORD messageNumber, LPWSTR buffer, int capacity) {
  if (qxsibling::loadModuleText(instance, messageNumber, buffer, capacity) > 0) return;
  const std::array<qxformat::FormatArgument, 1> number{messageNumber};
  qxformat::formatWide(qxsibling::utf16(buffer), static_cast<std::size_t>(capacity), u"no string %X", number);
}

LPCWSTR captionFor(UINT style) {
  switch (style & iconMask) {
    case MB_ICONHAND: return qxsibling::wide(u"Error");
    case MB_ICONEXCLAMATION: return qxsibling::wide(u"Warning");
    case MB_ICONQUESTION: return qxsibling::wide(u"Question");
    case MB_ICONASTERISK: return qxsibling::wide(u"Information");
    default: return qxsibling::wide(u"Message");
  }
}

}  // namespace qxutil
