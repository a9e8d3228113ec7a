#include "dialog/run_time_dialog.h"

namespace dsuptest {

namespace {

constexpr UINT stopTimeMessage = 800;
constexpr UINT postTimeMessage = 801;
constexpr UINT stopTimeWarning = 802;
constexpr FLOAT stopMaximum = 60, postMinimum = 0, postMaximum = 30;

}  // namespace

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
    handled_.push_back({fieldId, result, shownRunTimeControls(dialog), focusedId(), itemText(dialog, fieldId)});
  };
}

Handled RunTimeDialogTest::enterField(int field, const char16_t* typed, const char16_t* message) {
  for (const int id : {IDC_STOPTIME, IDC_POSTTIME, flowField}) {
    if (id == field) break;
    user.tab();
  }
  user.type(typed).tab();
  if (message) user.answerMessageBox(IDOK);
  user.escape();
  handled_.clear();
  const std::size_t boxesBefore = user.answeredMessageBoxes().size();
  EXPECT_EQ(run(runTimeDialog), 0);
  const std::vector<std::u16string> boxes = user.answeredMessageBoxes();
  EXPECT_EQ(boxes.size(), boxesBefore + (message ? 1 : 0));
  if (message && boxes.size() > boxesBefore) {
    EXPECT_EQ(boxes.back(), message);
  }
  EXPECT_EQ(handled_.size(), 1u);
  return handled_.empty() ? Handled{} : handled_.front();
}

std::vector<int> shownRunTimeControls(HWND dialog) {
  std::vector<int> shown;
  for (const int id : {IDC_STOPTIME, IDC_STOPTIME_OFF, IDC_STOPTIME_ALT1, IDC_STOPTIME_ALT2, IDC_POSTTIME,
                       IDC_POSTTIME_OFF})
    if (IsWindowVisible(GetDlgItem(dialog, id))) shown.push_back(id);
  return shown;
}

}  // namespace dsuptest
