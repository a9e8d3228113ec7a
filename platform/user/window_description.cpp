// Windows named in words (window_description.h).
#include "user/window_description.h"

#include "kernel/utf.h"
#include "user/dialog_state.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

std::string quoted(std::u16string_view text) { return "\"" + toUtf8(text) + "\""; }

// A message box's text is its static control's.
std::u16string messageBoxText(const Window& box) {
  for (HWND child : box.children)
    if (const Window* control = lookUpWindow(child); control && control->windowClass->name == u"Static")
      return control->text;
  return {};
}

}  // namespace

std::string describeWindow(HWND handle) {
  const Window* window = lookUpWindow(handle);
  if (!handle) return "the message loop";
  if (!window) return "a window that no longer exists";
  auto state = dialogState(handle);
  if (state && state->messageBox) return "message box " + quoted(messageBoxText(*window));
  if (state) return "dialog " + quoted(window->text);
  return toUtf8(window->windowClass->name) + " window " + quoted(window->text);
}

}  // namespace qxplatform::user
