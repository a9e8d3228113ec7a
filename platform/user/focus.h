// The inner workings of focus and activation, shared by SetFocus, SetActiveWindow, ShowWindow,
// EnableWindow, DestroyWindow and the dialogs.
#pragma once

#include <windows.h>

namespace qxplatform::user {

// Moves the focus of the calling thread (null: to none): the new window has it before the old one
// receives WM_KILLFOCUS; WM_SETFOCUS follows unless that handler moved the focus on. Returns the
// window that had it.
HWND changeFocus(HWND window);

// Makes a top-level window (null: none) the active window: WM_ACTIVATE (WA_INACTIVE) to the old
// one, WM_ACTIVATE (WA_ACTIVE) to the new one, then the focus into the new one when its handling
// left the focus elsewhere (deactivating takes the focus away). Returns the previous one.
HWND changeActiveWindow(HWND window);

// Activates another window than `leaving`, which is going away: its owner when that is visible and
// enabled, else the first such top-level window of the thread, else none.
void activateOther(HWND leaving);

// A window that is released gives up the focus and the activation, without messages.
void forgetFocusOf(HWND window);

}  // namespace qxplatform::user
