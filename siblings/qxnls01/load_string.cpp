// NlsLoadString: a module's numbered texts, cut to the caller's buffer.
#include <qxnls01.h>

#include "module_text.h"

extern "C" int WINAPI NlsLoadString(HINSTANCE instance, WORD textNumber, LPWSTR buffer, int capacity) noexcept {
  return qxsibling::loadModuleText(instance, textNumber, buffer, capacity);
}
