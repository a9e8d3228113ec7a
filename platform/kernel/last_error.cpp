// The thread's last error, as Win32 keeps it.
#include <windows.h>

namespace {
thread_local DWORD lastError = NO_ERROR;
}

extern "C" DWORD WINAPI GetLastError(void) { return lastError; }
extern "C" void WINAPI SetLastError(DWORD error) { lastError = error; }
