// Real keyboard and mouse input (real_input.h).
#include "sim/win32/real_input.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace sim::win32 {

namespace {

INPUT keyEvent(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT characterEvent(char16_t character, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

// Absolute mouse coordinates run from 0 to 65535 over the screen: round up, so that the pixel
// reached is the one asked for.
LONG absoluteCoordinate(LONG pixel, int screenSize) { return (pixel * 65536 + screenSize - 1) / screenSize; }

INPUT mouseEvent(POINT point, DWORD buttonFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = absoluteCoordinate(point.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = absoluteCoordinate(point.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  return input;
}

bool send(std::vector<INPUT> events) {
  return SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT)) == events.size();
}

}  // namespace

bool typeCharacters(std::u16string_view text) {
  std::vector<INPUT> events;
  for (char16_t character : text) {
    for (bool up : {false, true})
      events.push_back(character == u'\b' ? keyEvent(VK_BACK, up) : characterEvent(character, up));
  }
  return send(std::move(events));
}

bool pressKey(WORD virtualKey, std::initializer_list<WORD> held) {
  std::vector<INPUT> events;
  for (WORD key : held) events.push_back(keyEvent(key, false));
  events.push_back(keyEvent(virtualKey, false));
  events.push_back(keyEvent(virtualKey, true));
  for (auto key = std::rbegin(held); key != std::rend(held); ++key) events.push_back(keyEvent(*key, true));
  return send(std::move(events));
}

bool clickAt(POINT screenPoint, std::initializer_list<WORD> held) {
  std::vector<INPUT> events;
  for (WORD key : held) events.push_back(keyEvent(key, false));
  for (DWORD button : {DWORD{0}, DWORD{MOUSEEVENTF_LEFTDOWN}, DWORD{MOUSEEVENTF_LEFTUP}})
    events.push_back(mouseEvent(screenPoint, button));
  for (auto key = std::rbegin(held); key != std::rend(held); ++key) events.push_back(keyEvent(*key, true));
  return send(std::move(events));
}

bool putOnClipboard(HWND owner, std::u16string_view text) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
  if (!block) return false;
  auto* units = static_cast<WCHAR*>(GlobalLock(block));
  std::copy(text.begin(), text.end(), units);
  units[text.size()] = 0;
  GlobalUnlock(block);
  bool placed = false;
  if (OpenClipboard(owner)) {
    placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
  }
  if (!placed) GlobalFree(block);
  return placed;
}

}  // namespace sim::win32
