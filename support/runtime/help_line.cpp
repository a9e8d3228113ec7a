// The help line: a numbered help text of the caller's module, filled with its inserts, in a text
// control of the dialog.
#include <dsup.h>

#include <array>
#include <cstdarg>
#include <cstddef>

#include "host/sibling_services.h"
#include "wide_format.h"

namespace {

constexpr int helpTextCapacity = 89;
constexpr std::size_t helpLineCapacity = DSUP_HELP_LINE_LENGTH + 1;

const char16_t* utf16(const WCHAR* text) { return reinterpret_cast<const char16_t*>(text); }

bool beginsWithTextInsert(const WCHAR* text) { return text[0] == TEXT('%') && text[1] == TEXT('s'); }

bool isLeadingSurrogate(WCHAR unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// Formats the help text into the line. A text that begins with %s has an empty text there, in
// front of the caller's inserts.
void formatHelpText(WCHAR* line, const WCHAR* helpText, va_list inserts) {
  auto* out = reinterpret_cast<char16_t*>(line);
  qxformat::FormatResult result;
  if (beginsWithTextInsert(helpText)) {
    const std::array<qxformat::FormatArgument, 1> nothing{u""};
    result = qxformat::formatWide(out, helpLineCapacity, utf16(helpText), nothing, inserts);
  } else {
    result = qxformat::formatWide(out, helpLineCapacity, utf16(helpText), inserts);
  }
  // A character of two code units that the cut parted is dropped whole.
  if (result.truncated && result.length > 0 && isLeadingSurrogate(line[result.length - 1])) line[result.length - 1] = 0;
}

}  // namespace

extern "C" DSUP_API BOOL DSUP_CDECL DSupDlgVaHelpLine(HWND dialog, HINSTANCE instance, LONG helpLineId,
                                                      UINT messageNumber, ...) noexcept {
  const auto number = static_cast<WORD>(messageNumber);
  WCHAR helpText[helpTextCapacity];
  WCHAR line[helpLineCapacity];
  if (NlsLoadString(instance, number, helpText, helpTextCapacity) > 0) {
    va_list inserts;
    va_start(inserts, messageNumber);
    formatHelpText(line, helpText, inserts);
    va_end(inserts);
  } else {
    FabsFormat(line, TEXT("no string %X"), static_cast<unsigned>(number));
  }
  return SetDlgItemTextW(dialog, helpLineId, line);
}
