#include "dialog/read_only_mode.h"

#include <dsup.h>

#include <initializer_list>

#include "dialog/dialog_constants.h"
#include "host/sibling_services.h"

namespace dsup::dialog {

namespace {

// Asks the authorization service anew: the user may have changed since the last question.
bool currentUserMayEdit(LONG permissionNumber) {
  const HAUTHORIZATIONSERVICE service = cIAuthorizationServiceGetInstance();
  const bool permitted = cIAuthorizationServiceIsPermittedEnum(service, permissionNumber) != FALSE;
  cIAuthorizationServiceDestroyWrapper(service);
  return permitted;
}

bool isReadOnly(const StandardDialogData& data) {
  return data.permissionNumber > 0 && !currentUserMayEdit(data.permissionNumber);
}

}  // namespace

void applyReadOnlyMode(HWND dialog, const StandardDialogData& data) {
  if (!isReadOnly(data)) return;
  for (HWND child = GetTopWindow(dialog); child; child = GetWindow(child, GW_HWNDNEXT)) EnableWindow(child, FALSE);
  for (const int id : {IDOK, IDCANCEL, IDC_CHECK_FREE}) DSupEnableDlgItem(dialog, id, TRUE);
  if (data.enterButtonId != noEnterButton) DSupEnableDlgItem(dialog, data.enterButtonId, TRUE);
}

}  // namespace dsup::dialog

extern "C" DSUP_API BOOL DSUP_CALL DSupDialogIsReadOnly(HWND dialog) noexcept {
  const auto* data = dsup::dialog::standardDialogData(dialog);
  return data && dsup::dialog::isReadOnly(*data);
}
