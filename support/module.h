// The library's own module instance, recorded when the library is attached to a process. The
// header builder loads the library's string table with it, and the validation functions pass it
// with the library's own message numbers.
#pragma once

#include <windows.h>

namespace dsup {

extern HINSTANCE moduleInstance;

}  // namespace dsup
