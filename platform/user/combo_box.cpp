// The "ComboBox" control: a list of texts with a selection, shown in a field that is an "Edit"
// child (CBS_SIMPLE, CBS_DROPDOWN) or the selected text (CBS_DROPDOWNLIST). The list of a
// drop-down combo box opens below the field when the button at the field's right end (anywhere on
// the field for CBS_DROPDOWNLIST) is pressed; it has no window of its own, a click below the field
// while it is open is a click on the list. Rows are rowHeight pixels, all shown.
//
// Notifications to the parent: CBN_SETFOCUS and CBN_KILLFOCUS as the focus enters and leaves the
// combo box (its edit part included); CBN_EDITUPDATE and CBN_EDITCHANGE for the user's changes of
// the edit text, which also clear the selection; CBN_DROPDOWN, then for a choice from the list
// CBN_SELCHANGE (when the selection changes), CBN_SELENDOK and CBN_CLOSEUP; CBN_DBLCLK for a
// double click on the list of a CBS_SIMPLE combo box. Messages that change the list, the
// selection or the text (CB_*, WM_SETTEXT) send none.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "user/control_metrics.h"
#include "user/text_compare.h"
#include "user/text_copy.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

struct ComboState {
  std::vector<std::u16string> items;
  int selection = -1;
  HWND edit = nullptr;
  bool focused = false;
  bool dropped = false;
  int pressedItem = -1;  // the list item under a button down, reported at the button up
  bool sorted = false;
  DWORD type = 0;
};

int count(const ComboState& state) { return static_cast<int>(state.items.size()); }

bool hasList(const ComboState& state) { return state.type == CBS_SIMPLE || state.dropped; }

// Shows the selected item in the edit part, without notifications; focused, its text selected.
void showSelection(const ComboState& state) {
  if (!state.edit) return;
  const std::u16string text = state.selection >= 0 ? state.items[state.selection] : std::u16string();
  SendMessageW(state.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (state.focused) SendMessageW(state.edit, EM_SETSEL, 0, -1);
}

// Searches for an item from the one after `start`, wrapping around; CB_ERR when none matches and
// for an empty text.
int search(const ComboState& state, WPARAM start, LPCWSTR text, bool exact) {
  if (!text || !*text || state.items.empty()) return CB_ERR;
  const int first = static_cast<int>(start);
  const int from = first >= 0 && first < count(state) ? first + 1 : 0;
  for (int n = 0; n < count(state); ++n) {
    const int index = (from + n) % count(state);
    const std::u16string& item = state.items[index];
    if (exact ? equalIgnoringCase(item, text) : startsWithIgnoringCase(item, text)) return index;
  }
  return CB_ERR;
}

LRESULT setSelection(ComboState& state, WPARAM index) {
  const int at = static_cast<int>(index);
  state.selection = at >= 0 && at < count(state) ? at : -1;
  showSelection(state);
  return state.selection >= 0 ? state.selection : CB_ERR;
}

// Inserts an item at the index (-1: at the end); CB_ERR for an index beyond the end.
LRESULT insertItem(ComboState& state, int index, LPCWSTR text) {
  if (!text) return CB_ERR;
  if (index < 0) index = count(state);
  if (index > count(state)) return CB_ERR;
  state.items.insert(state.items.begin() + index, text);
  if (state.selection >= index) ++state.selection;
  return index;
}

// CB_ADDSTRING: at the end, or in its place by CBS_SORT (without regard to case).
LRESULT addItem(ComboState& state, LPCWSTR text) {
  if (!text || !state.sorted) return insertItem(state, -1, text);
  const std::u16string_view value(text);
  auto it = std::find_if(state.items.begin(), state.items.end(), [&](const std::u16string& item) {
    return std::lexicographical_compare(value.begin(), value.end(), item.begin(), item.end(),
                                        [](char16_t a, char16_t b) { return foldCase(a) < foldCase(b); });
  });
  return insertItem(state, static_cast<int>(it - state.items.begin()), text);
}

// WM_SETTEXT of a CBS_DROPDOWNLIST combo box selects the item with that text.
LRESULT selectItemWithText(ComboState& state, LPCWSTR text) {
  const int found = search(state, static_cast<WPARAM>(-1), text, true);
  if (found == CB_ERR) return CB_ERR;
  setSelection(state, static_cast<WPARAM>(found));
  return TRUE;
}

LRESULT deleteItem(ComboState& state, WPARAM index) {
  const int at = static_cast<int>(index);
  if (at < 0 || at >= count(state)) return CB_ERR;
  state.items.erase(state.items.begin() + at);
  if (state.selection == at)
    state.selection = -1;
  else if (state.selection > at)
    --state.selection;
  return count(state);
}

std::u16string editText(const ComboState& state) {
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(state.edit)) + 1, u'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(state.edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

void gainFocus(HWND combo, ComboState& state) {
  if (state.focused) return;
  state.focused = true;
  notifyParent(combo, CBN_SETFOCUS);
}

void closeList(HWND combo, ComboState& state, bool chosen) {
  if (!state.dropped) return;
  if (chosen) notifyParent(combo, CBN_SELENDOK);
  state.dropped = false;
  notifyParent(combo, CBN_CLOSEUP);
}

void loseFocus(HWND combo, ComboState& state) {
  if (!state.focused) return;
  closeList(combo, state, false);
  state.focused = false;
  notifyParent(combo, CBN_KILLFOCUS);
}

void openList(HWND combo, ComboState& state) {
  notifyParent(combo, CBN_DROPDOWN);
  state.dropped = true;
  // The list opens on the item that the edit text begins.
  if (state.edit) {
    const std::u16string text = editText(state);
    state.selection = text.empty() ? -1 : search(state, static_cast<WPARAM>(-1), text.c_str(), false);
  }
}

void editNotification(HWND combo, ComboState& state, WORD code) {
  switch (code) {
    case EN_SETFOCUS:
      gainFocus(combo, state);
      break;
    case EN_KILLFOCUS:
      loseFocus(combo, state);
      break;
    case EN_UPDATE:
      notifyParent(combo, CBN_EDITUPDATE);
      break;
    case EN_CHANGE:
      state.selection = -1;  // what the user types is no item of the list
      notifyParent(combo, CBN_EDITCHANGE);
      break;
  }
}

void buttonDown(HWND combo, ComboState& state, UINT message, int x, int y) {
  if (hasList(state) && y >= comboFieldHeight) {
    const int item = (y - comboFieldHeight) / rowHeight;
    if (item >= count(state)) return;
    state.pressedItem = item;
    if (item != state.selection) {
      // The parent hears of the new selection before the edit part shows it.
      state.selection = item;
      notifyParent(combo, CBN_SELCHANGE);
      showSelection(state);
    }
    if (message == WM_LBUTTONDBLCLK && state.type == CBS_SIMPLE) notifyParent(combo, CBN_DBLCLK);
    return;
  }
  if (!state.focused) SetFocus(combo);
  if (!state.focused) return;  // the focus went elsewhere meanwhile
  Window* window = lookUpWindow(combo);
  const bool onButton = state.type == CBS_DROPDOWNLIST || (state.type == CBS_DROPDOWN && window &&
                                                           x >= window->width - comboButtonWidth);
  if (!onButton) return;
  if (state.dropped)
    closeList(combo, state, false);
  else
    openList(combo, state);
}

void buttonUp(HWND combo, ComboState& state) {
  if (state.pressedItem < 0) return;
  state.pressedItem = -1;
  closeList(combo, state, true);
}

LRESULT getItemText(const ComboState& state, WPARAM index, LPARAM buffer) {
  const int at = static_cast<int>(index);
  if (at < 0 || at >= count(state) || !buffer) return CB_ERR;
  const std::u16string& item = state.items[at];
  // The caller provides CB_GETLBTEXTLEN + 1 characters, as Win32 requires.
  return copyText(item, reinterpret_cast<LPWSTR>(buffer), static_cast<long long>(item.size()) + 1);
}

LRESULT create(HWND combo, const CREATESTRUCTW& create) {
  auto state = std::make_shared<ComboState>();
  state->type = static_cast<DWORD>(create.style) & 3;
  state->sorted = (create.style & CBS_SORT) != 0;
  Window* window = lookUpWindow(combo);
  window->classData = state;
  if (state->type != CBS_SIMPLE) window->height = comboFieldHeight;
  if (state->type != CBS_DROPDOWNLIST) {
    const int editWidth = std::max(0, create.cx - (state->type == CBS_DROPDOWN ? comboButtonWidth : 0));
    state->edit = CreateWindowExW(0, u"Edit", nullptr, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, editWidth,
                                  comboFieldHeight, combo, reinterpret_cast<HMENU>(INT_PTR{comboEditId}),
                                  create.hInstance, nullptr);
    if (!state->edit) return -1;
  }
  return 0;
}

}  // namespace

LRESULT CALLBACK comboBoxProcedure(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return create(combo, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
  const auto state = classData<ComboState>(combo);
  if (!state) return DefWindowProcW(combo, message, wParam, lParam);
  switch (message) {
    case CB_ADDSTRING: return addItem(*state, reinterpret_cast<LPCWSTR>(lParam));
    case CB_INSERTSTRING:
      return insertItem(*state, static_cast<int>(static_cast<INT_PTR>(wParam)), reinterpret_cast<LPCWSTR>(lParam));
    case CB_DELETESTRING: return deleteItem(*state, wParam);
    case CB_RESETCONTENT:
      state->items.clear();
      state->selection = -1;
      showSelection(*state);
      return CB_OKAY;
    case CB_GETCOUNT: return count(*state);
    case CB_GETCURSEL: return state->selection;
    case CB_SETCURSEL: return setSelection(*state, wParam);
    case CB_GETLBTEXT: return getItemText(*state, wParam, lParam);
    case CB_GETLBTEXTLEN: {
      const int at = static_cast<int>(wParam);
      return at >= 0 && at < count(*state) ? static_cast<LRESULT>(state->items[at].size()) : CB_ERR;
    }
    case CB_FINDSTRING: return search(*state, wParam, reinterpret_cast<LPCWSTR>(lParam), false);
    case CB_FINDSTRINGEXACT: return search(*state, wParam, reinterpret_cast<LPCWSTR>(lParam), true);
    case CB_SELECTSTRING: {
      const int found = search(*state, wParam, reinterpret_cast<LPCWSTR>(lParam), false);
      return found == CB_ERR ? CB_ERR : setSelection(*state, static_cast<WPARAM>(found));
    }
    case WM_SETTEXT:
      if (state->edit) return SendMessageW(state->edit, WM_SETTEXT, wParam, lParam);
      return selectItemWithText(*state, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT:
      if (state->edit) return SendMessageW(state->edit, WM_GETTEXT, wParam, lParam);
      return copyText(state->selection >= 0 ? state->items[state->selection] : std::u16string(),
                      reinterpret_cast<LPWSTR>(lParam), static_cast<long long>(wParam));
    case WM_GETTEXTLENGTH:
      if (state->edit) return SendMessageW(state->edit, WM_GETTEXTLENGTH, 0, 0);
      return state->selection >= 0 ? static_cast<LRESULT>(state->items[state->selection].size()) : 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETFOCUS:
      if (state->edit) {
        SendMessageW(state->edit, EM_SETSEL, 0, -1);
        SetFocus(state->edit);
      } else {
        gainFocus(combo, *state);
      }
      return 0;
    case WM_KILLFOCUS:
      if (!state->edit || reinterpret_cast<HWND>(wParam) != state->edit) loseFocus(combo, *state);
      return 0;
    case WM_ENABLE:
      if (state->edit) EnableWindow(state->edit, static_cast<BOOL>(wParam));
      return 0;
    case WM_COMMAND:
      if (state->edit && reinterpret_cast<HWND>(lParam) == state->edit) editNotification(combo, *state, HIWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      buttonDown(combo, *state, message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      buttonUp(combo, *state);
      return 0;
    default:
      return DefWindowProcW(combo, message, wParam, lParam);
  }
}

}  // namespace qxplatform::user
