// What Win32 keeps per thread for the user interface: the message queue (posted messages and
// keyboard and mouse input), the focus, the active window, the key state, the time of the last
// message, and the user who produces the input.
#pragma once

#include <windows.h>

#include <array>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace qxplatform::user {

class InputSource;

// Keyboard or mouse input not yet taken from the queue.
struct InputEvent {
  UINT message;  // WM_KEYDOWN, WM_KEYUP, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP
  WPARAM wParam;
  LPARAM lParam;
  HWND target;  // mouse input: the window under the mouse; keyboard input: null (the focus)
  DWORD time;
};

// Posted messages; other threads post here too, so it has a mutex of its own.
struct PostedQueue {
  std::mutex mutex;
  std::deque<MSG> messages;
};

// The last button down, from which a second one becomes a double click.
struct LastClick {
  HWND window = nullptr;
  LPARAM point = 0;
  DWORD time = 0;
  bool valid = false;
};

struct ThreadState {
  std::shared_ptr<PostedQueue> posted = std::make_shared<PostedQueue>();
  std::deque<InputEvent> input;
  HWND focus = nullptr;
  HWND active = nullptr;
  std::array<bool, 256> keyDown{};
  LONG messageTime = 0;
  InputSource* inputSource = nullptr;
  LastClick lastClick;
  std::u16string clipboard;
};

// The calling thread's state, created at its first use.
ThreadState& thisThread();

// The posted-message queue of a thread that has used the user interface; null otherwise.
std::shared_ptr<PostedQueue> postedQueueOf(std::thread::id thread);

// Drops the posted messages and the mouse input of the calling thread that are for the window.
void dropQueuedMessages(HWND window);

}  // namespace qxplatform::user
