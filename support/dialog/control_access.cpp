// Combo boxes, check buttons and enabling, in any dialog.
#include <dsup.h>

#include "dialog/dialog_instance.h"
#include "host/sibling_services.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int comboStringCapacity = 512;

LRESULT insertComboItem(HWND combo, INT position, LPCWSTR item) {
  return SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(item));
}

}  // namespace

extern "C" DSUP_API BOOL DSUP_CALL DSupSetComboSelect(HWND dialog, INT id, INT index) noexcept {
  const HWND combo = GetDlgItem(dialog, id);
  return combo && SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != CB_ERR;
}

extern "C" DSUP_API BOOL DSUP_CALL DSupGetComboSelect(HWND dialog, INT id, INT* index) noexcept {
  const HWND combo = GetDlgItem(dialog, id);
  if (!combo) return FALSE;
  const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return FALSE;
  if (index) *index = static_cast<INT>(selected);
  return TRUE;
}

extern "C" DSUP_API void DSUP_CALL DSupInsertComboText(HWND dialog, INT id, INT position, LPCWSTR text) noexcept {
  const HWND combo = GetDlgItem(dialog, id);
  if (!combo) return;
  if (!text) text = TEXT("");
  // Each piece up to a line feed is copied out, so that the caller's text is never written to.
  WCHAR piece[comboStringCapacity];
  for (LPCWSTR start = text;;) {
    LPCWSTR end = start;
    while (*end && *end != '\n') ++end;
    const auto length = static_cast<std::size_t>(end - start);
    if (length < comboStringCapacity) {
      std::copy(start, end, piece);
      piece[length] = 0;
      insertComboItem(combo, position, piece);
    } else {
      // Longer than any list item the library loads: inserted from a copy of its own.
      const HGLOBAL copy = GlobalAlloc(GMEM_FIXED, (length + 1) * sizeof(WCHAR));
      if (auto* item = static_cast<LPWSTR>(static_cast<void*>(copy))) {
        std::copy(start, end, item);
        item[length] = 0;
        insertComboItem(combo, position, item);
        GlobalFree(copy);
      }
    }
    if (*end == 0) return;
    start = end + 1;
  }
}

extern "C" DSUP_API void DSUP_CALL DSupInsertComboString(HWND dialog, INT id, INT position, UINT textNumber) noexcept {
  WCHAR text[comboStringCapacity];
  if (NlsLoadString(dsup::dialog::dialogInstance(dialog), static_cast<WORD>(textNumber), text, comboStringCapacity) > 0)
    DSupInsertComboText(dialog, id, position, text);
}

extern "C" DSUP_API void DSUP_CALL DSupSetButton(HWND dialog, INT id, UINT state) noexcept {
  if (const HWND button = GetDlgItem(dialog, id)) SendMessageW(button, BM_SETCHECK, state, 0);
}

extern "C" DSUP_API void DSUP_CALL DSupEnableDlgItem(HWND dialog, INT id, BOOL enable) noexcept {
  if (const HWND control = GetDlgItem(dialog, id)) EnableWindow(control, enable);
}

extern "C" DSUP_API void DSUP_CALL DSupEnableDlgItems(HWND dialog, INT firstId, INT lastId, BOOL enable) noexcept {
  // The dialog's controls are visited, not every id of the range: a range as wide as the ids
  // themselves then takes no longer than the controls there are. Each id goes through
  // DSupEnableDlgItem, so the control it reaches is the one GetDlgItem finds, as for one id.
  if (firstId > lastId) return;
  for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    const INT id = GetDlgCtrlID(control);
    if (id >= firstId && id <= lastId) DSupEnableDlgItem(dialog, id, enable);
  }
}
