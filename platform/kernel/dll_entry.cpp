// The loader's call of a library's DllMain on hosts without Windows. This file is compiled into
// each library that has a DllMain (not into the platform library): when the image is loaded,
// DllMain receives the image's module instance with DLL_PROCESS_ATTACH, and DLL_PROCESS_DETACH
// when it is unloaded, as Windows does.
#include <qxplatform.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

HINSTANCE ownInstance() {
  static const char marker = 0;
  return PlatformModuleOfAddress(&marker);
}

__attribute__((constructor)) void attachImage() { DllMain(ownInstance(), DLL_PROCESS_ATTACH, nullptr); }
__attribute__((destructor)) void detachImage() { DllMain(ownInstance(), DLL_PROCESS_DETACH, nullptr); }

}  // namespace
