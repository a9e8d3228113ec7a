// The "Edit" control: a text with a selection, typed into by WM_CHAR and WM_PASTE.
//
// Every change of the text is reported to the parent with EN_UPDATE then EN_CHANGE before the
// message that made it returns, WM_SETTEXT included, except that a multi-line edit and the edit
// part of a combo box do not report WM_SETTEXT. The user's input (typing, pasting, EM_REPLACESEL)
// is held to the text limit (EN_MAXTEXT when cut); WM_SETTEXT is not.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "gdi/default_font.h"
#include "user/input.h"
#include "user/text_copy.h"
#include "user/window.h"
#include "user/window_classes.h"

namespace qxplatform::user {

namespace {

constexpr std::size_t defaultLimit = 32767;
constexpr std::size_t largestLimit = 0x7FFFFFFE;

struct EditState {
  std::u16string text;
  std::size_t anchor = 0;  // the selection runs from the anchor to the caret, in either order
  std::size_t caret = 0;
  std::size_t limit = defaultLimit;
  DWORD style = 0;  // the window's style, as of the message being handled
  bool partOfComboBox = false;
  // The dialog manager has asked the edit for the keys it wants (WM_GETDLGCODE with a message):
  // from then on the edit leaves Enter, Escape and Tab to its dialog.
  bool dialogMode = false;

  std::size_t selectionStart() const { return std::min(anchor, caret); }
  std::size_t selectionEnd() const { return std::max(anchor, caret); }
};

void notifyChange(HWND edit) {
  notifyParent(edit, EN_UPDATE);
  notifyParent(edit, EN_CHANGE);
}

// EM_SETSEL: a start of -1 collapses the selection at the caret; other positions are clamped.
void setSelection(EditState& state, UINT start, UINT end) {
  if (start == static_cast<UINT>(-1)) {
    state.anchor = state.caret;
    return;
  }
  state.anchor = std::min<std::size_t>(start, state.text.size());
  state.caret = std::min<std::size_t>(end, state.text.size());
}

// Replaces the selection with the user's text, held to the limit; returns whether the text changed.
bool replaceSelection(HWND edit, EditState& state, std::u16string_view insert) {
  const std::size_t start = state.selectionStart();
  const std::size_t removed = state.selectionEnd() - start;
  const std::size_t room = state.limit - std::min(state.limit, state.text.size() - removed);
  if (insert.size() > room) {
    insert = insert.substr(0, room);
    notifyParent(edit, EN_MAXTEXT);
  }
  if (removed == 0 && insert.empty()) return false;
  state.text.replace(start, removed, insert);
  state.anchor = state.caret = start + insert.size();
  return true;
}

void typeCharacter(HWND edit, EditState& state, char16_t character) {
  if (character == 0x16) {  // Ctrl+V
    SendMessageW(edit, WM_PASTE, 0, 0);
    return;
  }
  if (state.style & ES_READONLY) return;
  bool changed = false;
  if (character == u'\b') {
    if (state.anchor == state.caret && state.caret > 0) state.anchor = state.caret - 1;
    changed = replaceSelection(edit, state, u"");
  } else if (character == u'\r') {
    // In a dialog, only a multi-line edit that wants returns makes a new line: for the others the
    // Enter key belongs to the dialog.
    const bool wantsReturn = (state.style & ES_WANTRETURN) || !state.dialogMode;
    if ((state.style & ES_MULTILINE) && wantsReturn) changed = replaceSelection(edit, state, u"\r\n");
  } else if (character >= u' ') {
    changed = replaceSelection(edit, state, std::u16string_view(&character, 1));
  }
  if (changed) notifyChange(edit);
}

LRESULT dialogCode(const EditState& state) {
  LRESULT code = DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
  // A multi-line edit takes every key in a dialog and does the dialog's part itself (dialogKey).
  if (state.style & ES_MULTILINE) code |= DLGC_WANTALLKEYS;
  return code;
}

// The keys of the dialog in a multi-line edit, which takes every key: Enter without ES_WANTRETURN
// moves the focus to the dialog's default button and presses Enter there, Escape closes the
// dialog, Tab goes on to the next control.
void dialogKey(HWND edit, const EditState& state, WPARAM key) {
  const HWND dialog = GetParent(edit);
  switch (key) {
    case VK_RETURN: {
      if ((state.style & ES_WANTRETURN) || GetKeyState(VK_CONTROL) < 0) return;
      const auto reply = static_cast<DWORD>(SendMessageW(dialog, DM_GETDEFID, 0, 0));
      if (HIWORD(reply) != DC_HASDEFID) return;
      if (const HWND button = GetDlgItem(dialog, LOWORD(reply))) {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
        PostMessageW(button, WM_KEYDOWN, VK_RETURN, 0);
      }
      return;
    }
    case VK_ESCAPE:
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      return;
    case VK_TAB:
      SendMessageW(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
      return;
  }
}

LRESULT getSelection(const EditState& state, WPARAM startOut, LPARAM endOut) {
  const auto start = static_cast<DWORD>(state.selectionStart());
  const auto end = static_cast<DWORD>(state.selectionEnd());
  if (startOut) *reinterpret_cast<DWORD*>(startOut) = start;
  if (endOut) *reinterpret_cast<DWORD*>(endOut) = end;
  return start > 0xFFFF || end > 0xFFFF ? -1 : MAKELONG(start, end);
}

}  // namespace

LRESULT CALLBACK editProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto state = std::make_shared<EditState>();
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (create->lpszName) state->text = create->lpszName;  // no notification at creation
    state->partOfComboBox = isOfClass(create->hwndParent, comboBoxClass);
    lookUpWindow(edit)->classData = state;
    return 0;
  }
  const auto state = classData<EditState>(edit);
  if (!state) return DefWindowProcW(edit, message, wParam, lParam);
  state->style = lookUpWindow(edit)->style;
  switch (message) {
    case WM_SETTEXT:
      state->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
      state->anchor = state->caret = 0;
      if (!(state->style & ES_MULTILINE) && !state->partOfComboBox) notifyChange(edit);
      return TRUE;
    case WM_GETTEXT:
      return copyText(state->text, reinterpret_cast<LPWSTR>(lParam), static_cast<long long>(wParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state->text.size());
    case WM_CHAR:
      typeCharacter(edit, *state, static_cast<char16_t>(wParam));
      return 0;
    case WM_PASTE:
      if (!(state->style & ES_READONLY) && replaceSelection(edit, *state, clipboardText())) notifyChange(edit);
      return 0;
    case EM_REPLACESEL:
      if (lParam && replaceSelection(edit, *state, reinterpret_cast<LPCWSTR>(lParam))) notifyChange(edit);
      return 0;
    case EM_GETSEL:
      return getSelection(*state, wParam, lParam);
    case EM_SETSEL:
      setSelection(*state, static_cast<UINT>(wParam), static_cast<UINT>(lParam));
      return 0;
    case EM_LIMITTEXT:
      state->limit = wParam ? std::min<std::size_t>(wParam, largestLimit) : largestLimit;
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(state->limit);
    case WM_GETDLGCODE:
      if (lParam) state->dialogMode = true;
      return dialogCode(*state);
    case WM_KEYDOWN:
      if ((state->style & ES_MULTILINE) && state->dialogMode) dialogKey(edit, *state, wParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The caret goes to the character under the mouse, then the edit takes the focus.
      const auto column = static_cast<std::size_t>(std::max(0, GET_X_LPARAM(lParam)) / fontAverageCharWidth);
      state->anchor = state->caret = std::min(column, state->text.size());
      if (GetFocus() != edit) SetFocus(edit);
      return 0;
    }
    case WM_SETFOCUS:
      notifyParent(edit, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      notifyParent(edit, EN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProcW(edit, message, wParam, lParam);
  }
}

}  // namespace qxplatform::user
