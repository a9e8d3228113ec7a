// What a message box of QXUTIL02 shows: the message text of a module, and the caption.
#pragma once

#include <windows.h>

namespace qxutil {

// Loads message `messageNumber` of the instance into `buffer`; a number without a text gives
// "no string" and the number in upper-case hexadecimal. REQUIRES: capacity of at least 16.
void loadMessageText(HINSTANCE instance, WORD messageNumber, LPWSTR buffer, int capacity);

// The caption for a message box style: it follows the icon.
LPCWSTR captionFor(UINT style);

}  // namespace qxutil
