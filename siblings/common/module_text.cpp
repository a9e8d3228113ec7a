#include "module_text.h"

namespace qxsibling {

int loadModuleText(HINSTANCE instance, WORD textNumber, LPWSTR buffer, int capacity) {
  // LoadStringW with capacity 0 would store a pointer in the buffer instead of a text.
  if (!buffer || capacity <= 0) return 0;
  // LoadStringW leaves the buffer untouched when the text's whole block is missing.
  buffer[0] = 0;
  return LoadStringW(instance, textNumber, buffer, capacity);
}

}  // namespace qxsibling
