// Loading a numbered text of a module instance into a caller's buffer: what NlsLoadString does,
// shared with the message boxes of QXUTIL02 so that neither stand-in imports the other.
#pragma once

#include <windows.h>

namespace qxsibling {

// Copies the text, cut to capacity - 1 code units and terminated; returns the number of code
// units copied. 0 when there is no such text, with an empty text in the buffer; 0 and nothing
// written for a capacity of 0 or less or a null buffer.
int loadModuleText(HINSTANCE instance, WORD textNumber, LPWSTR buffer, int capacity);

}  // namespace qxsibling
