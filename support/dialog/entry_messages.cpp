// The entry error and choice message boxes: the message of a module, filled with its inserts,
// tied to the field in error (marked, and given the focus back) or shown on its own.
#include <dsup.h>

#include <array>
#include <cstdarg>
#include <cstddef>

#include "dialog/standard_dialog_data.h"
#include "host/sibling_services.h"
#include "module.h"
#include "resources/string_ids.h"
#include "wide_format.h"

namespace dsup::dialog {

namespace {

constexpr UINT warningStyle = MB_OK | MB_ICONEXCLAMATION;
constexpr UINT choiceStyle = MB_OKCANCEL | MB_ICONHAND;
constexpr int hostMessageOptions = 15;
constexpr int insertTextCapacity = 100;
// A message text longer than this is cut; the formatted text may be twice as long.
constexpr std::size_t messageCapacity = 1024;

// Marks the field in error, and keeps the deferred check that the box's taking the focus causes
// from running.
void markFieldInError(HWND dialog, INT id) {
  StandardDialogData* data = standardDialogData(dialog);
  if (!data) return;
  data->skipFieldCheck = 1;
  data->errorFieldId = id;
}

// Puts the focus back into the field, unless it is there (or in a window of the field, such as a
// combo box's edit part) already.
void focusField(HWND dialog, INT id) {
  const HWND field = GetDlgItem(dialog, id);
  if (!field) return;
  HWND window = GetFocus();
  while (window && window != dialog && window != field) window = GetParent(window);
  if (window != field) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
}

int showMessage(HINSTANCE instance, HWND owner, UINT messageNumber, UINT style, va_list inserts) {
  return UtilMessageBox(instance, owner, static_cast<WORD>(messageNumber), style, hostMessageOptions, inserts);
}

// Shows a text that is formatted already, as the one insert of the library's message "%s".
int showFormattedText(HWND owner, UINT style, ...) {
  va_list text;
  va_start(text, style);
  const int button = showMessage(moduleInstance, owner, IDS_MSG_FORMATTED, style, text);
  va_end(text);
  return button;
}

// The message with text `insertNumber` of `insertInstance` as its first insert, in front of the
// caller's own inserts. The host's message box takes its inserts as they were passed, so the
// message is formatted here and handed on whole.
void showWithInsertText(HWND owner, HINSTANCE messageInstance, UINT messageNumber, HINSTANCE insertInstance,
                        UINT insertNumber, va_list inserts) {
  WCHAR insert[insertTextCapacity] = {};
  NlsLoadString(insertInstance, static_cast<WORD>(insertNumber), insert, insertTextCapacity);
  insert[insertTextCapacity - 1] = 0;
  WCHAR format[messageCapacity];
  if (NlsLoadString(messageInstance, static_cast<WORD>(messageNumber), format, static_cast<int>(messageCapacity)) <= 0) {
    // No such message: the host shows what it shows for a missing text.
    showMessage(messageInstance, owner, messageNumber, warningStyle, inserts);
    return;
  }
  WCHAR text[2 * messageCapacity];
  const std::array<qxformat::FormatArgument, 1> leading{reinterpret_cast<const char16_t*>(insert)};
  qxformat::formatWide(reinterpret_cast<char16_t*>(text), std::size(text), reinterpret_cast<const char16_t*>(format),
                       leading, inserts);
  showFormattedText(owner, warningStyle, static_cast<LPCWSTR>(text));
}

}  // namespace

}  // namespace dsup::dialog

using namespace dsup::dialog;

extern "C" DSUP_API void DSUP_CDECL DSupDialogEntryError(HWND dialog, INT id, HINSTANCE messageInstance,
                                                         UINT messageNumber, ...) noexcept {
  markFieldInError(dialog, id);
  va_list inserts;
  va_start(inserts, messageNumber);
  showMessage(messageInstance, dialog, messageNumber, warningStyle, inserts);
  va_end(inserts);
  focusField(dialog, id);
}

extern "C" DSUP_API void DSUP_CDECL DSupDialogErrorMessage(HWND dialog, INT id, HINSTANCE messageInstance,
                                                           UINT messageNumber, HINSTANCE insertInstance,
                                                           UINT insertNumber, ...) noexcept {
  markFieldInError(dialog, id);
  va_list inserts;
  va_start(inserts, insertNumber);
  showWithInsertText(dialog, messageInstance, messageNumber, insertInstance, insertNumber, inserts);
  va_end(inserts);
  focusField(dialog, id);
}

extern "C" DSUP_API BOOL DSUP_CDECL DSupDialogChoice(HWND dialog, INT id, HINSTANCE messageInstance,
                                                     UINT messageNumber, ...) noexcept {
  markFieldInError(dialog, id);
  va_list inserts;
  va_start(inserts, messageNumber);
  const int button = showMessage(messageInstance, dialog, messageNumber, choiceStyle, inserts);
  va_end(inserts);
  if (button == IDOK) {
    DSupClearLastFieldError(dialog);
    return TRUE;
  }
  focusField(dialog, id);
  return FALSE;
}

extern "C" DSUP_API void DSUP_CDECL DSupCheckErrorMessage(HWND owner, HINSTANCE messageInstance, UINT messageNumber,
                                                          HINSTANCE insertInstance, UINT insertNumber, ...) noexcept {
  va_list inserts;
  va_start(inserts, insertNumber);
  showWithInsertText(owner, messageInstance, messageNumber, insertInstance, insertNumber, inserts);
  va_end(inserts);
}
