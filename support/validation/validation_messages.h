// How the field checks and the number validation tell the user: the library's own message (100
// to 118) as the first insert of the caller's framing message, with the values after it.
#pragma once

#include <dsup.h>
#include <windows.h>

#include "dialog/dialog_instance.h"
#include "module.h"
#include "resources/string_ids.h"

namespace dsup::validation {

// Marks `field` as in error and shows the message there.
template <typename... Values>
void reportFieldError(HWND dialog, int field, UINT messageNumber, StringId libraryMessage, Values... values) {
  DSupDialogErrorMessage(dialog, field, dialog::dialogInstance(dialog), messageNumber, moduleInstance, libraryMessage,
                         values...);
}

// Shows the message owned by the dialog, for a value that belongs to no field.
template <typename... Values>
void reportError(HWND dialog, UINT messageNumber, StringId libraryMessage, Values... values) {
  DSupCheckErrorMessage(dialog, dialog::dialogInstance(dialog), messageNumber, moduleInstance, libraryMessage,
                        values...);
}

}  // namespace dsup::validation
