// The modal dialogs and message boxes of the test thread as the user sees them.
#pragma once

#include <windows.h>

#include <string>

namespace sim::win32 {

// The modal dialog or message box of the calling thread that waits for the user: an enabled
// dialog (class "#32770") that is a message box or whose owner is disabled (as DialogBoxParamW
// and MessageBoxW leave it), the active one first; the active dialog also when it has no owner.
// Null when there is none, for example while a modeless dialog of an enabled owner is active.
HWND modalWindowOfThread();

// Whether the window is shown and is the foreground window, so that input reaches it.
bool isInFront(HWND window);

// Whether the window is a message box of MessageBoxW: a dialog whose procedure is USER32's own
// (its instance handle tells nothing: Wine leaves it null).
bool isMessageBox(HWND window);

// The text that a message box shows: its Static control with id 0xFFFF, as USER32 makes it.
std::u16string messageBoxText(HWND box);

// `dialog "Caption"` or `message box "Text"`, for failures.
std::string describeWindow(HWND window);

// Whether the window is of the class, compared without regard to case.
bool hasClass(HWND window, const wchar_t* className);

}  // namespace sim::win32
