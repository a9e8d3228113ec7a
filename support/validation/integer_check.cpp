// DSupCheckDialogInt: an integer field within the caller's limits, or its extra value.
#include <dsup.h>

#include "dialog/number_text.h"
#include "validation/field_text.h"
#include "validation/validation_messages.h"

extern "C" DSUP_API BOOL DSUP_CALL DSupCheckDialogInt(HWND dialog, INT field, UINT messageNumber, LONG minimum,
                                                      LONG maximum, LONG extra, BOOL emptyAllowed, LONG defaultValue,
                                                      LONG* result) noexcept {
  using namespace dsup;
  const validation::FieldEntry entry = validation::readFieldText(dialog, field);
  if (entry.empty) {
    if (!emptyAllowed) {
      validation::reportFieldError(dialog, field, messageNumber, IDS_MSG_EMPTY_FIELD, minimum, maximum, extra);
      return FALSE;
    }
    if (result) *result = defaultValue;
    return TRUE;
  }
  const auto number = dialog::readInteger(dialog::FieldText(entry.text));
  if (!number) {
    validation::reportFieldError(dialog, field, messageNumber, IDS_MSG_NOT_AN_INTEGER, minimum, maximum, extra);
    return FALSE;
  }
  if (*number != extra && (*number < minimum || *number > maximum)) {
    validation::reportFieldError(dialog, field, messageNumber, IDS_MSG_OUTSIDE_LIMITS, minimum, maximum, extra);
    return FALSE;
  }
  if (result) *result = *number;
  return TRUE;
}
