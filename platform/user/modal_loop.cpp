// The modal loop (modal_loop.h), DialogBoxParamW and EndDialog.
#include "user/modal_loop.h"

#include "kernel/dialog_resources.h"
#include "sim/trace_recorder.h"
#include "user/dialog_creation.h"
#include "user/dialog_state.h"
#include "user/focus.h"
#include "user/input_source.h"
#include "user/window.h"
#include "user/window_description.h"

namespace qxplatform::user {

namespace {

// A dialog that handles this many messages without its queue going empty is taken to be stuck
// (a procedure that posts itself a message for every message it handles).
constexpr int messagesWithoutIdleLimit = 100000;

}  // namespace

INT_PTR runModalLoop(HWND dialog, INT_PTR failureResult) {
  bool shown = false;
  int handledSinceIdle = 0;
  for (;;) {
    const auto state = dialogState(dialog);
    if (!state) return failureResult;
    if (state->ended) break;
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (++handledSinceIdle > messagesWithoutIdleLimit) {
        recordFailure(describeWindow(dialog) + " never stopped handling messages");
        EndDialog(dialog, failureResult);
        continue;
      }
      if (!IsDialogMessageW(dialog, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      continue;
    }
    handledSinceIdle = 0;
    if (!shown) {
      shown = true;
      ShowWindow(dialog, SW_SHOW);
      continue;
    }
    if (!waitForInput(dialog)) EndDialog(dialog, failureResult);
  }
  const INT_PTR result = dialogState(dialog)->result;
  DestroyWindow(dialog);
  return result;
}

}  // namespace qxplatform::user

using namespace qxplatform::user;

extern "C" INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner,
                                          DLGPROC dialogProc, LPARAM initParam) {
  const auto resource = qxplatform::findDialogResource(instance, templateName);
  if (!resource) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return -1;
  }
  if (owner && !findWindow(owner)) return 0;
  const HWND top = owner ? topLevelOf(owner) : nullptr;
  const bool disableOwner = top && IsWindowEnabled(top);
  if (disableOwner) EnableWindow(top, FALSE);
  const HWND dialog = createDialog(instance, *resource, top, dialogProc, initParam, disableOwner);
  if (dialog && (resource->style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOWNORMAL);
  const INT_PTR result = dialog ? runModalLoop(dialog, -1) : -1;
  if (disableOwner && IsWindow(top)) EnableWindow(top, TRUE);
  return result;
}

extern "C" BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  const auto state = dialogState(dialog);
  if (!state) {
    if (!findWindow(dialog)) return FALSE;
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  state->result = result;
  state->ended = true;
  const HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner && state->ownerDisabled) {
    state->ownerDisabled = false;
    EnableWindow(owner, TRUE);
  }
  if (IsChild(dialog, GetFocus())) SetFocus(dialog);
  if (Window* window = lookUpWindow(dialog)) window->style &= ~WS_VISIBLE;  // hidden without activation
  if (dialog == GetActiveWindow()) {
    if (owner)
      changeActiveWindow(owner);
    else
      activateOther(dialog);
  }
  return TRUE;
}
