// NlsDialogBoxParam runs a module's dialog by template number or by a registered 32-bit value,
// owned by the caller's window, with the caller's procedure and initial parameter, and returns
// the value the dialog ended with. The registry of 32-bit values takes only values that cannot be
// template numbers, keeps them per instance, and forgets each record once.
#include <qxnls01_registry.h>

#include "common/platform_test.h"
#include "common/template_module.h"
#include "common/wide_text.h"

namespace {

using dsuptest::w;

constexpr WORD templateNumber = 7;
constexpr DWORD templateValue = 0x00120007;

struct Seen {
  LPARAM initParam = 0;
  HWND owner = nullptr;
};

INT_PTR CALLBACK recordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* seen = reinterpret_cast<Seen*>(lParam);
    seen->initParam = lParam;
    seen->owner = GetWindow(dialog, GW_OWNER);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) EndDialog(dialog, 42);
  return FALSE;
}

class NlsDialogBoxParamTest : public dsuptest::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ASSERT_TRUE(templates.add(templateNumber,
                              {WS_POPUP | WS_CAPTION, u"Method", 0, 0, 100, 40,
                               {{u"Button", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK", 10, 10, 40, 14}}}));
    module = templates.instance();
    ASSERT_NE(module, nullptr);
    owner = CreateWindowExW(0, w(u"Static"), w(u"Driver"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            200, 100, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(owner);
    PlatformTest::TearDown();
  }

  dsuptest::TemplateModule templates;
  HINSTANCE module = nullptr;
  HWND owner = nullptr;
};

TEST_F(NlsDialogBoxParamTest, TemplateNumberOrRegisteredValueRunsTheDialogWithTheCallersParameter) {
  ASSERT_TRUE(NlsRegisterDialogTemplate(module, templateValue, w(u"METHOD")));
  ASSERT_TRUE(NlsRegisterDialogTemplate(module, templateValue, MAKEINTRESOURCEW(templateNumber))) << "replaced";
  for (const DWORD value : {DWORD{templateNumber}, templateValue}) {
    Seen seen;
    user.click(IDOK);
    EXPECT_EQ(NlsDialogBoxParam(module, value, owner, recordingProc, reinterpret_cast<LPARAM>(&seen)), 42);
    EXPECT_EQ(seen.initParam, reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(seen.owner, owner);
  }
  const auto otherInstance = reinterpret_cast<HINSTANCE>(&templates);  // any other non-null instance
  EXPECT_FALSE(NlsUnregisterDialogTemplate(otherInstance, templateValue)) << "it has no record of the value";
  EXPECT_TRUE(NlsUnregisterDialogTemplate(module, templateValue));
  EXPECT_FALSE(NlsUnregisterDialogTemplate(module, templateValue));
}

TEST_F(NlsDialogBoxParamTest, UnknownTemplateShowsNothingAndTemplateNumbersCannotBeRegistered) {
  Seen seen;
  EXPECT_EQ(NlsDialogBoxParam(module, templateValue, owner, recordingProc, reinterpret_cast<LPARAM>(&seen)), -1);
  EXPECT_EQ(NlsDialogBoxParam(module, 99, owner, recordingProc, reinterpret_cast<LPARAM>(&seen)), -1);
  EXPECT_EQ(seen.owner, nullptr) << "no dialog procedure ran";
  EXPECT_FALSE(NlsRegisterDialogTemplate(module, 0xFFFF, w(u"METHOD")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(NlsRegisterDialogTemplate(nullptr, 0x10000, w(u"METHOD")));
  EXPECT_FALSE(NlsRegisterDialogTemplate(module, 0x10000, nullptr));
  EXPECT_FALSE(NlsUnregisterDialogTemplate(module, 0xFFFF));
}

}  // namespace
