// NlsDialogBoxParam: a module's dialogs, by template number or by a registered 32-bit value.
#include <qxnls01.h>

#include <new>

#include "dialog_templates.h"

extern "C" INT_PTR WINAPI NlsDialogBoxParam(HINSTANCE instance, DWORD templateValue, HWND owner,
                                            DLGPROC dialogProc, LPARAM initParam) noexcept {
  if (IS_INTRESOURCE(templateValue))
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateValue), owner, dialogProc, initParam);
  try {
    // A copy: the dialog may register or forget templates while it runs.
    const auto found = qxnls::findDialogTemplate(instance, templateValue);
    if (!found) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return -1;
    }
    return DialogBoxParamW(instance, found->resourceName(), owner, dialogProc, initParam);
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return -1;
  }
}
