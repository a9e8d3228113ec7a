// Writing text, integer, number and string fields of standard dialogs, and the field markers.
#include <dsup.h>

#include "dialog/protected_write.h"
#include "dialog/standard_dialog_data.h"
#include "dialog/dialog_instance.h"
#include "host/sibling_services.h"

namespace dsup::dialog {

namespace {

constexpr int stringFieldCapacity = 100;

// Whether the field's whole text is `text` (case-sensitive). A null text is the empty text.
bool fieldShows(HWND dialog, int id, LPCWSTR text) {
  const HWND field = GetDlgItem(dialog, id);
  if (!field) return false;
  const int length = GetWindowTextLengthW(field);
  int wanted = 0;
  while (text && text[wanted]) ++wanted;
  if (length != wanted) return false;
  if (length == 0) return true;
  const HGLOBAL copy = GlobalAlloc(GMEM_FIXED, (static_cast<SIZE_T>(length) + 1) * sizeof(WCHAR));
  if (!copy) return false;  // cannot tell: writing again is harmless
  auto* shown = static_cast<LPWSTR>(static_cast<void*>(copy));
  const int read = GetWindowTextW(field, shown, length + 1);
  bool same = read == length;
  for (int i = 0; same && i < length; ++i) same = shown[i] == text[i];
  GlobalFree(copy);
  return same;
}

// Text `textNumber` of the dialog's module into `buffer`; false when it has none.
bool loadDialogText(HWND dialog, UINT textNumber, LPWSTR buffer, int capacity) {
  return NlsLoadString(dialogInstance(dialog), static_cast<WORD>(textNumber), buffer, capacity) > 0;
}

StandardDialogData* blockOf(HWND dialog) { return standardDialogData(dialog); }

}  // namespace

}  // namespace dsup::dialog

using dsup::dialog::writeProtected;

extern "C" DSUP_API void DSUP_CALL DSupSetTextField(HWND dialog, INT id, LPCWSTR text) noexcept {
  writeProtected(dialog, [&] { SetDlgItemTextW(dialog, id, text); });
}

extern "C" DSUP_API void DSUP_CALL DSupUpdateTextField(HWND dialog, INT id, LPCWSTR text) noexcept {
  if (!dsup::dialog::fieldShows(dialog, id, text)) DSupSetTextField(dialog, id, text);
}

extern "C" DSUP_API void DSUP_CALL DSupSetIntField(HWND dialog, INT id, LONG value, BOOL isSigned) noexcept {
  writeProtected(dialog, [&] { SetDlgItemInt(dialog, id, static_cast<UINT>(value), isSigned); });
}

extern "C" DSUP_API void DSUP_CALL DSupUpdateIntField(HWND dialog, INT id, LONG value, BOOL isSigned) noexcept {
  if (GetWindowTextLengthW(GetDlgItem(dialog, id)) > 0) {
    BOOL read = FALSE;
    const UINT shown = GetDlgItemInt(dialog, id, &read, isSigned);
    if (read && shown == static_cast<UINT>(value)) return;
  }
  DSupSetIntField(dialog, id, value, isSigned);
}

extern "C" DSUP_API void DSUP_CALL DSupSetFloatField(HWND dialog, INT id, double value, INT digits) noexcept {
  writeProtected(dialog, [&] { DSupSetDlgItemFloat(dialog, id, value, digits); });
}

extern "C" DSUP_API void DSUP_CALL DSupUpdateFloatField(HWND dialog, INT id, double value, INT digits) noexcept {
  if (DSupGetDlgItemLength(dialog, id) > 0) {
    BOOL valid = FALSE;
    const double shown = DSupGetDlgItemFloat(dialog, id, &valid);
    if (valid && shown == value) return;  // exactly: a rounded form of the value is written again
  }
  DSupSetFloatField(dialog, id, value, digits);
}

extern "C" DSUP_API void DSUP_CALL DSupSetStringField(HWND dialog, INT id, UINT textNumber) noexcept {
  if (!dsup::dialog::blockOf(dialog)) return;
  WCHAR text[dsup::dialog::stringFieldCapacity];
  if (dsup::dialog::loadDialogText(dialog, textNumber, text, dsup::dialog::stringFieldCapacity))
    DSupSetTextField(dialog, id, text);
}

extern "C" DSUP_API void DSUP_CALL DSupUpdateStringField(HWND dialog, INT id, UINT textNumber) noexcept {
  WCHAR text[dsup::dialog::stringFieldCapacity];
  if (dsup::dialog::loadDialogText(dialog, textNumber, text, dsup::dialog::stringFieldCapacity))
    DSupUpdateTextField(dialog, id, text);
}

extern "C" DSUP_API void DSUP_CALL DSupClearLastFieldModified(HWND dialog) noexcept {
  if (auto* data = dsup::dialog::blockOf(dialog)) data->modifiedFieldId = 0;
}

extern "C" DSUP_API void DSUP_CALL DSupClearLastFieldError(HWND dialog) noexcept {
  if (auto* data = dsup::dialog::blockOf(dialog)) data->errorFieldId = 0;
}

extern "C" DSUP_API void DSUP_CALL DSupSetFieldError(HWND dialog, INT id) noexcept {
  if (auto* data = dsup::dialog::blockOf(dialog)) data->errorFieldId = id;
}
