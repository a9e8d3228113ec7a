// The places where Wine, the Win32 implementation that the Windows builds of the tests run on,
// departs from the documented Win32 behaviour that our platform layer follows. This is the one
// list of them: a test that meets one skips that check under Wine only, naming it here, with
//   if (runsUnderWine()) GTEST_SKIP() << wineDeparture(WineDeparture::...);
// Everything else that differs between our layer and Wine is a fault to fix.
#pragma once

namespace dsuptest {

enum class WineDeparture {
  escapeInMessageBoxes,
  getDlgItemIntRange,
  tabItemBackwardsFromNoControl,
  closeWithCancelDisabled,
  comboSelectionBeyondItems,
  comboFocusNotifiedDuringFocusChange,
  unknownWindowClassError,
  comboTextSelectedAtFirstFocusOnly,
};

inline const char* wineDeparture(WineDeparture departure) {
  switch (departure) {
    case WineDeparture::escapeInMessageBoxes:
      return "Wine answers Escape with IDCANCEL in every message box; Win32 documents IDOK for a box with only "
             "OK, and no effect in a box without Cancel or OK";
    case WineDeparture::getDlgItemIntRange:
      return "Wine's GetDlgItemInt takes a minus sign also when unsigned, and does not translate INT_MIN "
             "(signed) or UINT_MAX (unsigned); its SetDlgItemInt succeeds without the control";
    case WineDeparture::tabItemBackwardsFromNoControl:
      return "Wine's GetNextDlgTabItem finds nothing backwards from no control; Win32 documents the search as "
             "starting from the last or first control";
    case WineDeparture::closeWithCancelDisabled:
      return "Wine posts the click of Cancel for WM_CLOSE also when Cancel is disabled; Win32 documents a beep "
             "and no message";
    case WineDeparture::comboSelectionBeyondItems:
      return "Wine's CB_SETCURSEL beyond the items keeps the selection (Win32: cleared), and its "
             "CB_RESETCONTENT returns 1 (Win32: always CB_OKAY)";
    case WineDeparture::comboFocusNotifiedDuringFocusChange:
      return "Wine's combo box that loses the focus while it reports CBN_SETFOCUS does not report CBN_SETFOCUS "
             "when it receives the focus again; Win32 documents the notification whenever it receives the focus";
    case WineDeparture::unknownWindowClassError:
      return "Wine sets ERROR_CLASS_DOES_NOT_EXIST when CreateWindowExW finds no class; Win32 reports "
             "ERROR_CANNOT_FIND_WND_CLASS";
    case WineDeparture::comboTextSelectedAtFirstFocusOnly:
      return "Wine's combo box selects the text of its edit part only the first time it receives the focus; "
             "Win32 selects the text of the edit control that receives the focus (WM_NEXTDLGCTL, Tab) every time";
  }
  return "";
}

}  // namespace dsuptest
