// The scroller's library: registers the scroller class for every module of the process when it is
// loaded, and removes it when it is unloaded.
#include <windows.h>
#include <qxscroller.h>

#include "scroller_procedure.h"
#include "scroller_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    WNDCLASSW scrollerClass{};
    scrollerClass.style = CS_DBLCLKS | CS_GLOBALCLASS;
    scrollerClass.lpfnWndProc = qxscroller::scrollerProcedure;
    scrollerClass.cbWndExtra = qxscroller::extraBytes;
    scrollerClass.hInstance = instance;
    scrollerClass.lpszClassName = QXSCROLLER_CLASSNAME;
    return RegisterClassW(&scrollerClass) != 0;
  }
  if (reason == DLL_PROCESS_DETACH) UnregisterClassW(QXSCROLLER_CLASSNAME, instance);
  return TRUE;
}
