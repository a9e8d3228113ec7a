// The library's own writes into the fields of a standard dialog, which must not count as the
// user's changes.
#pragma once

#include <windows.h>

#include "dialog/standard_dialog_data.h"

namespace dsup::dialog {

// Runs `write` (which changes one field's text) with ignoreChange set, so that the change
// notification it causes is taken as the library's own; nothing is written without a block.
template <typename Write>
void writeProtected(HWND dialog, Write write) {
  StandardDialogData* data = standardDialogData(dialog);
  if (!data) return;
  data->ignoreChange = 1;
  write();
  data->ignoreChange = 0;
}

}  // namespace dsup::dialog
