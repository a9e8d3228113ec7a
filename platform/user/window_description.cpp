// Windows named in words (window_description.h).
#include "user/window_description.h"

#include "kernel/utf.h"
#include "user/dialog_state.h"
#include "user/message_box.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

std::string quoted(std::u16string_view text) { return "\"" + toUtf8(text) + "\""; }

}  // namespace

std::string describeWindow(HWND handle) {
  const Window* window = lookUpWindow(handle);
  if (!handle) return "the message loop";
  if (!window) return "a window that no longer exists";
  auto state = dialogState(handle);
  if (state && state->messageBox) return "message box " + quoted(messageBoxText(handle));
  if (state) return "dialog " + quoted(window->text);
  return toUtf8(window->windowClass->name) + " window " + quoted(window->text);
}

}  // namespace qxplatform::user
