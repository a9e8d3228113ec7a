// A driver's method dialog, run by the library as a standard dialog and tested headlessly: the
// scripted user types a flow out of range, reads the driver's message and corrects the entry.
#include <dsup.h>
#include <gtest/gtest.h>
#include <qxplatform.h>
#include <sim/scripted_user.h>

constexpr WORD IDD_METHOD = 100;
constexpr int IDC_FLOW = 101;
constexpr UINT IDS_FLOW_RANGE = 600;  // the driver's message for a flow out of range
double flow = 0.0;

BOOL CALLBACK checkField(HWND dialog, WORD, INT field, INT) {
  return field != IDC_FLOW || DSupCheckDialogDouble(dialog, field, IDS_FLOW_RANGE, 0, 10, FALSE, 0, &flow, nullptr, 0, 2);
}

BOOL CALLBACK command(HWND dialog, INT id) {
  if (id == IDOK) EndDialog(dialog, IDOK);
  return TRUE;
}

TEST(MethodDialog, FlowOutOfRangeIsReportedAndCorrected) {
  HINSTANCE driver = PlatformCreateModule();  // the driver's module: its texts and dialog templates
  PlatformAddString(driver, IDS_FLOW_RANGE, u"%s The flow must be %g to %g ml/min.");
  const PlatformDialogItem items[] = {
      {u"Edit", IDC_FLOW, WS_VISIBLE | WS_TABSTOP | WS_BORDER, u"1.00", 10, 10, 40, 12},
      {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK", 10, 30, 40, 14}};
  const PlatformDialogTemplate method{WS_POPUP | WS_CAPTION | WS_VISIBLE, u"Method", 0, 0, 120, 60, 2, items};
  PlatformAddDialogTemplate(driver, MAKEINTRESOURCEW(IDD_METHOD), &method);
  HWND instrument = CreateWindowExW(0, u"Static", u"Instrument", WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                                    nullptr, nullptr);

  sim::ScriptedUser user;
  user.type(u"25").tab().answerMessageBox(IDOK).type(u"2.5").click(IDOK);
  EXPECT_EQ(DSupInitDlg(instrument, driver, IDD_METHOD, 1, 0, 0, 0, nullptr, checkField, command, nullptr, nullptr, 0),
            IDOK);
  EXPECT_EQ(flow, 2.5);
  EXPECT_EQ(user.answeredMessageBoxes(),
            std::vector<std::u16string>{u"The value lies outside the permitted range. The flow must be 0 to 10 ml/min."});
  EXPECT_TRUE(user.takeFailures().empty());
  DestroyWindow(instrument);
  PlatformDestroyModule(driver);
}
