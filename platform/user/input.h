// Keyboard and mouse input of the calling thread, as the scripted user produces it. Input is
// queued behind the posted messages (which are taken first) and stamped with the tick count.
#pragma once

#include <windows.h>

#include <string>

namespace qxplatform::user {

// Milliseconds within which a second button down at the same point of the same window is a
// double click (GetDoubleClickTime of Win32).
inline constexpr DWORD doubleClickTime = 500;

// A key going down or up; for VK_PACKET, the character it types.
void queueKey(WORD virtualKey, bool down, char16_t character = 0);

// A left button message (WM_LBUTTONDOWN or WM_LBUTTONUP) for the window at a client point, with
// the key flags (MK_*). A button down becomes WM_LBUTTONDBLCLK when it follows another one on the
// same window and point within doubleClickTime and the window's class has CS_DBLCLKS.
void queueMouse(HWND window, UINT message, int x, int y, WPARAM keys);

// The text that the next paste into an edit control inserts.
void setClipboardText(std::u16string text);
const std::u16string& clipboardText();

}  // namespace qxplatform::user
