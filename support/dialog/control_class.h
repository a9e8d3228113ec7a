// The classes into which the standard dialog procedure sorts a dialog's controls, by their window
// class name (compared in full, without regard to case).
#pragma once

#include <windows.h>

namespace dsup::dialog {

enum class ControlClass { edit, comboBox, scroller, other };

// The class of `control`; a null or missing control is of class other.
ControlClass controlClassOf(HWND control);

// Whether `control` has the ES_MULTILINE style.
bool isMultiLine(HWND control);

}  // namespace dsup::dialog
