// An example for driver developers: a method dialog tested headlessly with the scripted user.
//
// The dialog asks for a flow and a column and checks the flow when OK is clicked. The test lists
// what the user does (type, Tab, click, answer the message box), runs the dialog as the driver
// does, and checks the result and the message the user saw. The same test runs on the simulated
// platform and, built for Windows, under Wine with real input. Copy it and put in your own dialog.
#include <windows.h>

#include "common/platform_test.h"
#include "common/template_module.h"
#include "common/wide_text.h"

namespace {

constexpr WORD IDD_METHOD = 100;
constexpr int IDC_FLOW = 101;
constexpr int IDC_COLUMN = 102;

struct Method {
  UINT flow = 0;
  WCHAR column[32] = {};
};

INT_PTR CALLBACK MethodDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<Method*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetDlgItemInt(dialog, IDC_FLOW, 1, FALSE);
      return TRUE;  // the focus goes to the flow field, its text selected
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        BOOL valid = FALSE;
        const UINT flow = GetDlgItemInt(dialog, IDC_FLOW, &valid, FALSE);
        if (!valid || flow > 10) {
          MessageBoxW(dialog, TEXT("The flow must be 0 to 10 ml/min."), TEXT("Method"), MB_OK | MB_ICONEXCLAMATION);
          SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_FLOW)), TRUE);
          return TRUE;
        }
        method->flow = flow;
        GetDlgItemTextW(dialog, IDC_COLUMN, method->column, 32);
        EndDialog(dialog, IDOK);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
      }
      return TRUE;
  }
  return FALSE;
}

class MethodDialog : public dsuptest::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    // The driver's template, as its resource script has it.
    const dsuptest::DialogTemplate method{
        WS_POPUP | WS_CAPTION, u"Method", 0, 0, 160, 70,
        {{u"Static", -1, WS_VISIBLE, u"Flow (ml/min):", 5, 5, 60, 10},
         {u"Edit", IDC_FLOW, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 70, 5, 40, 12},
         {u"Static", -1, WS_VISIBLE, u"Column:", 5, 22, 60, 10},
         {u"Edit", IDC_COLUMN, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 70, 22, 80, 12},
         {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK", 40, 45, 40, 14},
         {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP, u"Cancel", 90, 45, 40, 14}}};
    ASSERT_TRUE(driver.add(IDD_METHOD, method));
    mainWindow = CreateWindowExW(0, TEXT("Static"), TEXT("Instrument"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                 480, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(mainWindow);
    PlatformTest::TearDown();  // fails the test if the script was not played to its end (or, on the
                               // simulated platform, if a window is left)
  }
  INT_PTR runMethodDialog(Method& method) {
    return DialogBoxParamW(driver.instance(), MAKEINTRESOURCEW(IDD_METHOD), mainWindow, MethodDialogProc,
                           reinterpret_cast<LPARAM>(&method));
  }

  dsuptest::TemplateModule driver;  // stands for the driver's module with its resources
  HWND mainWindow = nullptr;
};

TEST_F(MethodDialog, FlowOutOfRangeIsReportedAndCorrected) {
  user.type(u"25").tab().type(u"C18").click(IDOK)  // 25 replaces the selected 1
      .answerMessageBox(IDOK)                      // "The flow must be ..."
      .type(u"2").click(IDOK);                     // back in the flow field, its text selected
  Method method;
  EXPECT_EQ(runMethodDialog(method), IDOK);
  EXPECT_EQ(method.flow, 2u);
  EXPECT_EQ(dsuptest::text(method.column), u"C18");
  // What the user saw.
  EXPECT_EQ(user.answeredMessageBoxes(), std::vector<std::u16string>{u"The flow must be 0 to 10 ml/min."});
}

TEST_F(MethodDialog, EscapeCancels) {
  user.type(u"5").escape();
  Method method;
  EXPECT_EQ(runMethodDialog(method), IDCANCEL);
  EXPECT_EQ(method.flow, 0u);
}

}  // namespace
