// The field-by-field entry checking of standard dialogs: which field the user changed, when it is
// checked by the driver's field check, and the field in error that holds the focus.
#pragma once

#include <windows.h>

#include "dialog/dialog_constants.h"
#include "dialog/standard_dialog_data.h"

namespace dsup::dialog {

// Checks the modified field (if any) with the driver's field check; the field counts as checked
// even without a field check.
void checkModifiedField(HWND dialog, StandardDialogData& data, FieldCheckReason reason, int focusId);

// The text or selection of field `id` changed: the user's change marks it as modified, the
// library's own write (ignoreChange) does not.
void handleFieldChange(HWND dialog, StandardDialogData& data, int id);

// Field `id` received the focus.
void handleFieldFocus(HWND dialog, StandardDialogData& data, int id);

// WM_DSUPCHECKFIELD: the deferred check of field `id` (window `field`), which lost the focus.
void runDeferredFieldCheck(HWND dialog, StandardDialogData& data, int id, HWND field);

}  // namespace dsup::dialog
