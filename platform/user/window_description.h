// Windows named in words, for the failures recorded in the trace.
#pragma once

#include <windows.h>

#include <string>

namespace qxplatform::user {

// `dialog "Caption"`, `message box "Text"`, or `the message loop` for null.
std::string describeWindow(HWND window);

}  // namespace qxplatform::user
