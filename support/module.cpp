#include "module.h"

namespace dsup {

HINSTANCE moduleInstance = nullptr;

}  // namespace dsup

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) dsup::moduleInstance = instance;
  return TRUE;
}
