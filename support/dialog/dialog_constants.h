// The control ids of standard dialogs with a meaning of their own, and the reasons given to the
// driver's field check. The private dialog messages (WM_DSUPCHECKFIELD, WM_DSUPENTERDEFAULT) are
// part of the public header.
#pragma once

#include <dsup.h>
#include <windows.h>

namespace dsup::dialog {

// Kept enabled in read-only mode; taking the focus, it starts no field check.
inline constexpr int IDC_CHECK_FREE = 8191;
// Disabled when the dialog has no Enter button (enterButtonId -1).
inline constexpr int IDC_ENTER_ALTERNATE_1 = 1000;
inline constexpr int IDC_ENTER_ALTERNATE_2 = 1003;
// Buttons with these ids (inclusive) never start a field check.
inline constexpr int firstCheckFreeButtonId = 30000;
inline constexpr int lastCheckFreeButtonId = 30100;

inline bool isCheckFreeButtonId(LONG_PTR id) { return id >= firstCheckFreeButtonId && id <= lastCheckFreeButtonId; }

// Why the driver's field check is called.
enum FieldCheckReason : WORD {
  checkOnClick = 0,           // a button was clicked or a menu command chosen
  checkOnScroller = 2,        // the scroller reported notification 2
  checkOnOtherField = 0x100,  // another field received the focus
  checkOnFocusLost = 0x200,   // the field lost the focus (the deferred check)
};

// enterButtonId values with a meaning of their own.
inline constexpr LONG noEnterButton = 0;
inline constexpr LONG enterIsCancelDefault = -1;

}  // namespace dsup::dialog
