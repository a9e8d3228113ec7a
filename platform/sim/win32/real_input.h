// Real keyboard and mouse input (SendInput), as a person at the machine gives it: it goes through
// the input queue of the thread whose window is in front, behind the messages posted to it. Each
// function returns false when SendInput took less than all of its events.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace sim::win32 {

// Types the characters (as VK_PACKET keys); '\b' is the Backspace key.
bool typeCharacters(std::u16string_view text);

// Presses and releases the key while the `held` keys (VK_SHIFT, VK_CONTROL) are down.
bool pressKey(WORD virtualKey, std::initializer_list<WORD> held = {});

// Moves the mouse to a point of the screen and clicks the left button there while the `held` keys
// are down.
bool clickAt(POINT screenPoint, std::initializer_list<WORD> held = {});

// Puts the text on the clipboard, as a copy elsewhere would; false when the clipboard is busy.
bool putOnClipboard(HWND owner, std::u16string_view text);

}  // namespace sim::win32
