// The message queue of a thread: PostMessageW, PeekMessageW, GetMessageW, GetMessageTime,
// GetKeyState, TranslateMessage, and the keyboard and mouse input of input.h.
//
// Order of retrieval, as in Win32: posted messages first, then input (a key message goes to the
// window that has the focus when it is taken), then WM_PAINT.
#include <windows.h>

#include "sim/trace_recorder.h"
#include "user/input.h"
#include "user/input_source.h"
#include "user/message_filter.h"
#include "user/paint.h"
#include "user/thread_state.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

constexpr LPARAM keyUpFlags = static_cast<LPARAM>(0xC0000001u);  // repeat 1, was down, going up

bool takePosted(MSG& out, HWND filter, UINT min, UINT max, bool remove) {
  PostedQueue& queue = *thisThread().posted;
  std::lock_guard lock(queue.mutex);
  for (auto it = queue.messages.begin(); it != queue.messages.end(); ++it) {
    if (!inRange(it->message, min, max) || !matchesWindow(it->hwnd, filter)) continue;
    out = *it;
    if (remove) queue.messages.erase(it);
    return true;
  }
  return false;
}

// The message that an input event becomes now; false when nobody would receive it.
bool messageOfInput(const InputEvent& event, MSG& out) {
  ThreadState& thread = thisThread();
  out = MSG{event.target, event.message, event.wParam, event.lParam, event.time, POINT{0, 0}};
  if (event.target) return lookUpWindow(event.target) != nullptr;
  if (thread.focus) {
    out.hwnd = thread.focus;
  } else if (thread.active) {
    out.hwnd = thread.active;
    out.message = event.message == WM_KEYDOWN ? WM_SYSKEYDOWN : WM_SYSKEYUP;
  } else {
    return false;
  }
  return true;
}

bool takeInput(MSG& out, HWND filter, UINT min, UINT max, bool remove) {
  ThreadState& thread = thisThread();
  for (auto it = thread.input.begin(); it != thread.input.end();) {
    MSG message;
    if (!messageOfInput(*it, message)) {
      if (!remove || !inRange(it->message, min, max)) {
        ++it;
        continue;
      }
      // Input that nobody receives is lost when it is taken; the key is up or down all the same.
      if (it->target == nullptr) thread.keyDown[it->wParam & 0xFF] = it->message == WM_KEYDOWN;
      it = thread.input.erase(it);
      continue;
    }
    if (!inRange(message.message, min, max) || !matchesWindow(message.hwnd, filter)) {
      ++it;
      continue;
    }
    if (remove) {
      if (it->target == nullptr) thread.keyDown[it->wParam & 0xFF] = it->message == WM_KEYDOWN;
      thread.input.erase(it);
    }
    out = message;
    return true;
  }
  return false;
}

}  // namespace

void queueKey(WORD virtualKey, bool down, char16_t character) {
  const LPARAM flags = down ? (static_cast<LPARAM>(character) << 16) | 1 : keyUpFlags;
  thisThread().input.push_back({down ? UINT{WM_KEYDOWN} : UINT{WM_KEYUP}, virtualKey, flags, nullptr,
                                GetTickCount()});
}

void queueMouse(HWND window, UINT message, int x, int y, WPARAM keys) {
  ThreadState& thread = thisThread();
  const LPARAM point = MAKELPARAM(x, y);
  const DWORD now = GetTickCount();
  const Window* target = lookUpWindow(window);
  // Only windows whose class asks for double clicks (CS_DBLCLKS) get them; others see two clicks.
  if (message == WM_LBUTTONDOWN && target && (target->windowClass->style & CS_DBLCLKS)) {
    LastClick& last = thread.lastClick;
    if (last.valid && last.window == window && last.point == point && now - last.time < doubleClickTime) {
      message = WM_LBUTTONDBLCLK;
      last.valid = false;
    } else {
      last = {window, point, now, true};
    }
  }
  thread.input.push_back({message, keys, point, window, now});
}

void dropQueuedMessages(HWND window) {
  ThreadState& thread = thisThread();
  std::erase_if(thread.input, [window](const InputEvent& event) { return event.target == window; });
  std::lock_guard lock(thread.posted->mutex);
  std::erase_if(thread.posted->messages, [window](const MSG& message) { return message.hwnd == window; });
}

void setClipboardText(std::u16string text) { thisThread().clipboard = std::move(text); }

const std::u16string& clipboardText() { return thisThread().clipboard; }

InputSource* setInputSource(InputSource* source) {
  InputSource* previous = thisThread().inputSource;
  thisThread().inputSource = source;
  return previous;
}

bool waitForInput(HWND loopWindow) {
  InputSource* source = thisThread().inputSource;
  if (!source) {
    recordFailure("a message loop waits for input, but no user is scripted");
    return false;
  }
  return source->act(loopWindow);
}

}  // namespace qxplatform::user

using namespace qxplatform::user;

extern "C" BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<PostedQueue> queue;
  if (!window) {
    queue = thisThread().posted;
  } else {
    std::thread::id thread;
    if (!windowThread(window, thread)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    queue = postedQueueOf(thread);
    if (!queue) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
  }
  std::lock_guard lock(queue->mutex);
  queue->messages.push_back(MSG{window, message, wParam, lParam, GetTickCount(), POINT{0, 0}});
  return TRUE;
}

extern "C" BOOL WINAPI PeekMessageW(LPMSG message, HWND window, UINT min, UINT max, UINT flags) {
  if (!message) return FALSE;
  if (window && window != threadMessagesOnly && !findWindow(window)) return FALSE;
  const bool remove = (flags & PM_REMOVE) != 0;
  if (takePosted(*message, window, min, max, remove) || takeInput(*message, window, min, max, remove) ||
      nextPaintMessage(*message, window, min, max)) {
    thisThread().messageTime = static_cast<LONG>(message->time);
    return TRUE;
  }
  return FALSE;
}

extern "C" BOOL WINAPI GetMessageW(LPMSG message, HWND window, UINT min, UINT max) {
  if (!message) return -1;
  if (window && window != threadMessagesOnly && !findWindow(window)) return -1;
  while (!PeekMessageW(message, window, min, max, PM_REMOVE))
    if (!waitForInput(nullptr)) return -1;
  return TRUE;
}

extern "C" LONG WINAPI GetMessageTime(void) { return thisThread().messageTime; }

extern "C" SHORT WINAPI GetKeyState(int virtualKey) {
  return thisThread().keyDown[static_cast<unsigned>(virtualKey) & 0xFF] ? static_cast<SHORT>(0x8000) : 0;
}

extern "C" BOOL WINAPI TranslateMessage(const MSG* message) {
  if (!message || message->message != WM_KEYDOWN) return FALSE;
  WPARAM character = 0;
  switch (message->wParam) {
    case VK_PACKET: character = HIWORD(message->lParam); break;
    case VK_BACK: character = 0x08; break;
    case VK_TAB: character = 0x09; break;
    case VK_RETURN: character = 0x0D; break;
    case VK_ESCAPE: character = 0x1B; break;
    case VK_SPACE: character = u' '; break;
    case 'V':
      if (GetKeyState(VK_CONTROL) < 0) character = 0x16;  // Ctrl+V
      break;
  }
  if (!character) return FALSE;
  return PostMessageW(message->hwnd, WM_CHAR, character, message->lParam);
}
