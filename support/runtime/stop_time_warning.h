// The warning of stop mode 4: a stop time above the driver's compareTime.
#pragma once

#include <windows.h>

namespace dsup::runtime {

// Shows the driver's warning `warningMessage` (a text of the dialog's module) in a box captioned
// "ERROR", owned by the first visible window among the dialog and its parents (nothing is shown
// without one, or without the text), then puts the focus into the stop time field when it is
// shown.
void warnAboveCompareTime(HWND dialog, WORD warningMessage);

}  // namespace dsup::runtime
