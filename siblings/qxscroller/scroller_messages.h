// The scroller's answers to its messages (SCM_* and LB_GETITEMRECT), apart from the user's input.
#pragma once

#include <windows.h>

#include "scroller_state.h"

namespace qxscroller {

// Handles the message when it is one of the scroller's own: true with its answer in `result`.
bool answerScrollerMessage(HWND scroller, ScrollerState& state, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result);

}  // namespace qxscroller
