#include "validation/field_text.h"

#include <iterator>

#include "host/sibling_services.h"

namespace dsup::validation {

FieldEntry readFieldText(HWND dialog, int field) {
  FieldEntry read;
  if (GetDlgItemTextW(dialog, field, read.text, static_cast<int>(std::size(read.text))) == 0) return read;
  const LPWSTR trimmed = UtilStripLeading(UtilStripTrailing(read.text));
  read.empty = !trimmed || trimmed[0] == 0;
  return read;
}

}  // namespace dsup::validation
