// Dialogs from templates (dialog_creation.h) and CreateDialogParamW.
#include "user/dialog_creation.h"

#include "user/dialog_state.h"
#include "user/dialog_units.h"
#include "user/window.h"

namespace qxplatform::user {

HWND createDialog(HINSTANCE instance, const DialogResource& resource, HWND owner, DLGPROC procedure,
                  LPARAM initParam, bool ownerDisabled) {
  const DWORD style = resource.style & ~(WS_VISIBLE | WS_CHILD);
  const HWND dialog = CreateWindowExW(0, u"#32770", resource.caption.c_str(), style, horizontalPixels(resource.x),
                                      verticalPixels(resource.y), horizontalPixels(resource.cx),
                                      verticalPixels(resource.cy), owner, nullptr, instance, nullptr);
  if (!dialog) return nullptr;
  SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
  auto state = dialogState(dialog);
  state->ownerDisabled = ownerDisabled;

  HWND defaultButton = nullptr;
  for (const DialogItemResource& item : resource.items) {
    const HWND control =
        CreateWindowExW(0, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD, horizontalPixels(item.x),
                        verticalPixels(item.y), horizontalPixels(item.cx), verticalPixels(item.cy), dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
    if (!control) {
      DestroyWindow(dialog);
      return nullptr;
    }
    if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
      if (defaultButton) SendMessageW(defaultButton, BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
      defaultButton = control;
      state->defaultId = item.id;
    }
  }

  const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam) && IsWindow(dialog)) {
    // The procedure may have changed the tab order: look again.
    if (const HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE)) setDialogFocus(focus);
  }
  return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace qxplatform::user

extern "C" HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner,
                                          DLGPROC dialogProc, LPARAM initParam) {
  using namespace qxplatform::user;
  const auto resource = qxplatform::findDialogResource(instance, templateName);
  if (!resource) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  if (owner && !findWindow(owner)) return nullptr;
  const HWND dialog = createDialog(instance, *resource, owner ? topLevelOf(owner) : nullptr, dialogProc, initParam, false);
  if (dialog && (resource->style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOWNORMAL);
  return dialog;
}
