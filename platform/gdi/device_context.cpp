// Device contexts: GetDC, ReleaseDC and GetTextMetricsW, with the platform's one font
// (gdi/default_font.h).
#include <windows.h>

#include <memory>
#include <mutex>

#include "gdi/default_font.h"
#include "kernel/handle_table.h"
#include "sim/inventory.h"

namespace {

struct DeviceContext {
  HWND window;  // null for the screen
};

struct DeviceContextState {
  std::mutex mutex;
  qxplatform::HandleTable<DeviceContext> contexts{qxplatform::HandleKind::deviceContext};
};

DeviceContextState& state() {
  static DeviceContextState* instance = new DeviceContextState;  // never destroyed: used until the process ends
  return *instance;
}

std::uintptr_t valueOf(HDC context) { return reinterpret_cast<std::uintptr_t>(context); }

}  // namespace

extern "C" HDC WINAPI GetDC(HWND window) {
  if (window && !IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  DeviceContextState& s = state();
  std::lock_guard lock(s.mutex);
  return reinterpret_cast<HDC>(s.contexts.insert(std::make_unique<DeviceContext>(DeviceContext{window})));
}

extern "C" int WINAPI ReleaseDC(HWND, HDC context) {
  DeviceContextState& s = state();
  std::lock_guard lock(s.mutex);
  if (!s.contexts.find(valueOf(context))) return 0;
  s.contexts.erase(valueOf(context));
  return 1;
}

extern "C" BOOL WINAPI GetTextMetricsW(HDC context, LPTEXTMETRICW metrics) {
  DeviceContextState& s = state();
  std::lock_guard lock(s.mutex);
  if (!s.contexts.find(valueOf(context)) || !metrics) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  using namespace qxplatform;
  *metrics = TEXTMETRICW{};
  metrics->tmHeight = fontHeight;
  metrics->tmAscent = fontAscent;
  metrics->tmDescent = fontHeight - fontAscent;
  metrics->tmInternalLeading = fontHeight - fontAscent;
  metrics->tmAveCharWidth = fontAverageCharWidth;
  metrics->tmMaxCharWidth = fontMaxCharWidth;
  metrics->tmWeight = fontWeight;
  metrics->tmDigitizedAspectX = 96;
  metrics->tmDigitizedAspectY = 96;
  metrics->tmFirstChar = u' ';
  metrics->tmLastChar = 0xFFFC;
  metrics->tmDefaultChar = u'?';
  metrics->tmBreakChar = u' ';
  return TRUE;
}

namespace sim {

std::size_t liveDeviceContexts() {
  DeviceContextState& s = state();
  std::lock_guard lock(s.mutex);
  return s.contexts.size();
}

}  // namespace sim
