#include "dialog/run_time_dialog.h"

namespace dsuptest {

void RunTimeDialogTest::SetUp() {
  StandardDialogTest::SetUp();
  constexpr DWORD field = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
  constexpr DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  addTemplate(runTimeDialog, {{u"Edit", IDC_STOPTIME, field, nullptr, 10, 10, 40, 12},
                              {u"Static", IDC_STOPTIME_OFF, 0, u"Off", 10, 10, 40, 12},
                              {u"Static", IDC_STOPTIME_ALT1, 0, u"Until", 10, 10, 20, 12},
                              {u"Static", IDC_STOPTIME_ALT2, 0, u"the end", 30, 10, 20, 12},
                              {u"Edit", IDC_POSTTIME, field, nullptr, 60, 10, 40, 12},
                              {u"Static", IDC_POSTTIME_OFF, 0, u"Off", 60, 10, 40, 12},
                              {u"Edit", flowField, field, nullptr, 110, 10, 40, 12},
                              {u"Static", helpLine, WS_VISIBLE, nullptr, 10, 70, 180, 10},
                              {u"Button", IDOK, button, u"OK", 10, 90, 40, 14},
                              {u"Button", IDCANCEL, button, u"Cancel", 60, 90, 40, 14}});
  addText(stopTimeMessage, u"Stop time: %s Enter %.2f to %.2f min.");
  addText(postTimeMessage, u"Post time: %s Enter %.2f to %.2f min.");
  addText(stopTimeWarning, u"The stop time is longer than the gradient.");
  behaviour.dialogProc = nullptr;
  behaviour.onFieldCheck = [this](HWND dialog, WORD, int fieldId, int) {
    dialogShown = dialog;
    const BOOL result =
        DSupDlgRunTimeFieldHandler(dialog, static_cast<WORD>(fieldId), 0, stopMaximum, postMinimum, postMaximum,
                                   digits, &times, stopTimeMessage, postTimeMessage, stopTimeWarning);
    handled.push_back({fieldId, result, shownRunTimeControls(dialog), focusedId(), itemText(dialog, fieldId)});
  };
}

std::vector<int> shownRunTimeControls(HWND dialog) {
  std::vector<int> shown;
  for (const int id : {IDC_STOPTIME, IDC_STOPTIME_OFF, IDC_STOPTIME_ALT1, IDC_STOPTIME_ALT2, IDC_POSTTIME,
                       IDC_POSTTIME_OFF})
    if (IsWindowVisible(GetDlgItem(dialog, id))) shown.push_back(id);
  return shown;
}

}  // namespace dsuptest
