// The platform layer's side of the trace (sim/trace.h): what the user interface records.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace qxplatform {

// Records a message box as it is shown and returns its serial number, for the answer.
std::uint64_t recordMessageBox(HWND owner, std::u16string caption, std::u16string text, UINT style);
void recordMessageBoxAnswer(std::uint64_t serial, int answer);
void recordBeep(UINT type);
void recordFocusChange(HWND from, HWND to, int toId);
void recordFailure(std::string what);

}  // namespace qxplatform
