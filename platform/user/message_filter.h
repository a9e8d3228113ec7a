// The window and range filters of PeekMessageW and GetMessageW.
#pragma once

#include <windows.h>

#include "user/window.h"

namespace qxplatform::user {

// The filter value that selects messages posted to the thread rather than to a window.
inline const HWND threadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

inline bool inRange(UINT message, UINT min, UINT max) {
  return (min == 0 && max == 0) || (message >= min && message <= max);
}

inline bool matchesWindow(HWND messageWindow, HWND filter) {
  if (!filter) return true;
  if (filter == threadMessagesOnly) return messageWindow == nullptr;
  return isSelfOrDescendant(filter, messageWindow);
}

}  // namespace qxplatform::user
