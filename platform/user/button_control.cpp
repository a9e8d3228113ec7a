// The "Button" control: push buttons, check boxes, radio buttons and group boxes.
//
// A button takes the focus at the left button down and reports BN_CLICKED at the button up (after
// an automatic check box or radio button has changed its state). BM_SETSTYLE changes the button
// type (BS_PUSHBUTTON, BS_DEFPUSHBUTTON ...) in the window's style.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "user/window.h"

namespace qxplatform::user {

namespace {

struct ButtonState {
  WPARAM check = BST_UNCHECKED;
  bool pressed = false;
};

DWORD typeOf(HWND button) {
  const Window* window = lookUpWindow(button);
  return window ? window->style & BS_TYPEMASK : BS_PUSHBUTTON;
}

DWORD styleOf(HWND button) {
  const Window* window = lookUpWindow(button);
  return window ? window->style : 0;
}

// The highest check state of a type; 0 for buttons that are not checked.
WPARAM highestCheck(DWORD type) {
  switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE: return BST_INDETERMINATE;
    default: return BST_UNCHECKED;
  }
}

LRESULT dialogCode(DWORD type) {
  switch (type) {
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
  }
}

// Unchecks the other automatic radio buttons of the button's group: its siblings from the nearest
// WS_GROUP control at or before it up to the next WS_GROUP control after it.
void uncheckGroup(HWND button) {
  const Window* window = lookUpWindow(button);
  const Window* parent = window ? lookUpWindow(window->parent) : nullptr;
  if (!parent) return;
  const std::vector<HWND> siblings = parent->children;
  const auto self = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), button) - siblings.begin());
  std::size_t first = self;
  while (first > 0 && !(styleOf(siblings[first]) & WS_GROUP)) --first;
  std::size_t end = self + 1;
  while (end < siblings.size() && !(styleOf(siblings[end]) & WS_GROUP)) ++end;
  for (std::size_t i = first; i < end; ++i)
    if (siblings[i] != button && typeOf(siblings[i]) == BS_AUTORADIOBUTTON)
      SendMessageW(siblings[i], BM_SETCHECK, BST_UNCHECKED, 0);
}

void click(HWND button, ButtonState& state) {
  switch (typeOf(button)) {
    case BS_AUTOCHECKBOX:
      state.check = state.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
      break;
    case BS_AUTO3STATE:
      state.check = (state.check + 1) % 3;
      break;
    case BS_AUTORADIOBUTTON:
      state.check = BST_CHECKED;
      uncheckGroup(button);
      break;
  }
  notifyParent(button, BN_CLICKED);
}

}  // namespace

LRESULT CALLBACK buttonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    lookUpWindow(button)->classData = std::make_shared<ButtonState>();
    return 0;
  }
  const auto state = classData<ButtonState>(button);
  if (!state) return DefWindowProcW(button, message, wParam, lParam);
  const DWORD type = typeOf(button);
  switch (message) {
    case WM_GETDLGCODE:
      return dialogCode(type);
    case BM_GETCHECK:
      return static_cast<LRESULT>(state->check);
    case BM_SETCHECK:
      state->check = std::min(wParam, highestCheck(type));
      return 0;
    case BM_SETSTYLE:
      if (Window* window = lookUpWindow(button))
        window->style = (window->style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
      return 0;
    case BM_CLICK:
      SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
      SendMessageW(button, WM_LBUTTONUP, 0, 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      if ((styleOf(button) & BS_NOTIFY) || type == BS_RADIOBUTTON) {
        notifyParent(button, BN_DOUBLECLICKED);
        return 0;
      }
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      if (type == BS_GROUPBOX) return 0;
      SetFocus(button);
      state->pressed = true;
      return 0;
    case WM_LBUTTONUP:
      if (!state->pressed) return 0;
      state->pressed = false;
      click(button, *state);
      return 0;
    case WM_SETFOCUS:
      if (styleOf(button) & BS_NOTIFY) notifyParent(button, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      state->pressed = false;
      if (styleOf(button) & BS_NOTIFY) notifyParent(button, BN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProcW(button, message, wParam, lParam);
  }
}

}  // namespace qxplatform::user
