// The four creation functions of standard dialogs and their common worker: the data block, the
// owner search, the one-dialog-per-owner rule, and the run through the host's dialog function.
#include <dsup.h>

#include <limits>

#include "dialog/open_dialog_list.h"
#include "dialog/standard_dialog_procedure.h"
#include "host/sibling_services.h"

namespace dsup::dialog {

namespace {

constexpr INT notStarted = -1;
constexpr LONG everybodyMayEdit = -1;

struct DialogRequest {
  HWND owner;
  HINSTANCE instance;
  DWORD templateValue;
  LONG enterButtonId;
  INT enterDefaultAtStart;
  LONG keepFocusButtonId;
  DWORD callerDataSize;
  DSupMessageHook messageHook;
  DSupFieldCheckProc fieldCheckProc;
  DSupCommandProc commandProc;
  DSupFieldChangeProc fieldChangeProc;
  DLGPROC dialogProc;
  LPARAM initParam;
  LONG permissionNumber;
};

// The first visible window among `window` and its parents (an owned top-level window's parent is
// its owner), or null.
HWND visibleOwner(HWND window) {
  while (window && !IsWindowVisible(window)) window = GetParent(window);
  return window;
}

void fill(StandardDialogData& data, const DialogRequest& request) {
  data = StandardDialogData{};
  data.focusField = nullptr;
  data.savedSelection = noSavedSelection;
  data.keepFocusButtonId = request.keepFocusButtonId;
  data.enterButtonId = request.enterButtonId;
  data.enterDefaultAtStart = static_cast<BYTE>(request.enterDefaultAtStart);
  data.commandsEnabled = 1;
  data.permissionNumber = request.permissionNumber;
  data.messageHook = request.messageHook;
  data.fieldCheckProc = request.fieldCheckProc;
  data.commandProc = request.commandProc;
  data.fieldChangeProc = request.fieldChangeProc;
  data.dialogProc = request.dialogProc;
}

INT runStandardDialog(const DialogRequest& request) {
  if (request.callerDataSize > std::numeric_limits<DWORD>::max() - sizeof(StandardDialogData)) return notStarted;
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(StandardDialogData) + request.callerDataSize);
  if (!block) return notStarted;
  const HWND owner = IsWindow(request.owner) ? visibleOwner(request.owner) : nullptr;
  if (!owner || !addOpenDialog(owner, block)) {
    GlobalFree(block);
    return notStarted;
  }
  // The block stays pending only while its dialog runs: a later dialog never picks up a block
  // that is gone, and a dialog started from a callback of another leaves the outer one's
  // binding as it was.
  const HGLOBAL outerPending = pendingDialogData();
  setPendingDialogData(block);
  INT result = notStarted;
  if (auto* data = static_cast<StandardDialogData*>(GlobalLock(block))) {
    fill(*data, request);
    setOpenDialogAddress(block, data);
    result = static_cast<INT>(NlsDialogBoxParam(request.instance, request.templateValue, owner, StandardDialogProc,
                                                request.initParam));
    GlobalUnlock(block);
  }
  setPendingDialogData(outerPending);
  removeOpenDialog(owner, block);
  GlobalFree(block);
  return result;
}

}  // namespace

}  // namespace dsup::dialog

using dsup::dialog::DialogRequest;

extern "C" DSUP_API INT DSUP_CALL DSupInitDlg(HWND owner, HINSTANCE instance, DWORD templateValue, LONG enterButtonId,
                                              INT enterDefaultAtStart, LONG keepFocusButtonId, DWORD callerDataSize,
                                              DSupMessageHook messageHook, DSupFieldCheckProc fieldCheckProc,
                                              DSupCommandProc commandProc, DSupFieldChangeProc fieldChangeProc,
                                              DLGPROC dialogProc, LPARAM initParam) noexcept {
  return dsup::dialog::runStandardDialog({owner, instance, templateValue, enterButtonId, enterDefaultAtStart,
                                          keepFocusButtonId, callerDataSize, messageHook, fieldCheckProc, commandProc,
                                          fieldChangeProc, dialogProc, initParam, dsup::dialog::everybodyMayEdit});
}

extern "C" DSUP_API INT DSUP_CALL DSupInitDlgEx(HWND owner, HINSTANCE instance, DWORD templateValue,
                                                LONG enterButtonId, INT enterDefaultAtStart, LONG keepFocusButtonId,
                                                DWORD callerDataSize, DSupMessageHook messageHook,
                                                DSupFieldCheckProc fieldCheckProc, DSupCommandProc commandProc,
                                                DSupFieldChangeProc fieldChangeProc, DLGPROC dialogProc,
                                                LPARAM initParam, LONG permissionNumber) noexcept {
  return dsup::dialog::runStandardDialog({owner, instance, templateValue, enterButtonId, enterDefaultAtStart,
                                          keepFocusButtonId, callerDataSize, messageHook, fieldCheckProc, commandProc,
                                          fieldChangeProc, dialogProc, initParam, permissionNumber});
}

extern "C" DSUP_API INT DSUP_CALL DSupInitializeStandardDialog(HWND owner, HINSTANCE instance, UINT templateNumber,
                                                               LONG enterButtonId, INT enterDefaultAtStart,
                                                               LONG keepFocusButtonId, DWORD callerDataSize,
                                                               DSupFieldCheckProc fieldCheckProc,
                                                               DSupCommandProc commandProc,
                                                               DSupFieldChangeProc fieldChangeProc,
                                                               DLGPROC dialogProc, LPARAM initParam) noexcept {
  return dsup::dialog::runStandardDialog({owner, instance, LOWORD(templateNumber), enterButtonId, enterDefaultAtStart,
                                          keepFocusButtonId, callerDataSize, nullptr, fieldCheckProc, commandProc,
                                          fieldChangeProc, dialogProc, initParam, dsup::dialog::everybodyMayEdit});
}

extern "C" DSUP_API INT DSUP_CALL DSupInitializeStandardDialogEx(HWND owner, HINSTANCE instance, UINT templateNumber,
                                                                 LONG enterButtonId, INT enterDefaultAtStart,
                                                                 LONG keepFocusButtonId, DWORD callerDataSize,
                                                                 DSupFieldCheckProc fieldCheckProc,
                                                                 DSupCommandProc commandProc,
                                                                 DSupFieldChangeProc fieldChangeProc,
                                                                 DLGPROC dialogProc, LPARAM initParam,
                                                                 LONG permissionNumber) noexcept {
  return dsup::dialog::runStandardDialog({owner, instance, LOWORD(templateNumber), enterButtonId, enterDefaultAtStart,
                                          keepFocusButtonId, callerDataSize, nullptr, fieldCheckProc, commandProc,
                                          fieldChangeProc, dialogProc, initParam, permissionNumber});
}
