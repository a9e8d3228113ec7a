// Dialog templates in the binary form of Win32's resources (DLGTEMPLATE and DLGITEMTEMPLATE).
#pragma once

#include <windows.h>

#include <vector>

#include "common/template_module.h"

namespace dsuptest::win32 {

// The template as the bytes of an RT_DIALOG resource: the dialog header without menu, class or
// font (the system font), then each control, DWORD-aligned, its class and text by name.
std::vector<BYTE> dialogTemplateBytes(const DialogTemplate& dialogTemplate);

}  // namespace dsuptest::win32
