// DSupCheckDialogCombo: a combo box text that begins an item of its list, which becomes selected.
#include <dsup.h>

#include "validation/validation_messages.h"

namespace {

constexpr int comboTextCapacity = 80;

}  // namespace

extern "C" DSUP_API BOOL DSUP_CALL DSupCheckDialogCombo(HWND dialog, INT field, UINT messageNumber,
                                                        WORD* index) noexcept {
  using namespace dsup;
  // A field that does not exist is no entry of the user's to report.
  const HWND combo = GetDlgItem(dialog, field);
  if (!combo) return FALSE;
  WCHAR text[comboTextCapacity];
  if (GetDlgItemTextW(dialog, field, text, comboTextCapacity) == 0) {
    validation::reportFieldError(dialog, field, messageNumber, IDS_MSG_EMPTY_FIELD);
    return FALSE;
  }
  const LRESULT found = SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  if (found == CB_ERR) {
    validation::reportFieldError(dialog, field, messageNumber, IDS_MSG_NO_LIST_MATCH);
    return FALSE;
  }
  if (index) *index = static_cast<WORD>(found);
  return TRUE;
}
