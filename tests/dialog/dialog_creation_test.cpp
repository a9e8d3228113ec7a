// Starting standard dialogs: the owner search, one dialog per owner, the driver's area, the
// template argument, and what a dialog that could not start leaves behind (nothing).
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

class DialogCreation : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
  }
};

// A driver whose dialog procedure, at WM_INITDIALOG, reports what the dialog knows of itself.
struct SeenAtStart {
  HWND dialog = nullptr;
  HWND owner = nullptr;
  std::vector<BYTE> callerData;
  bool callerDataAddressed = false;
};
SeenAtStart seen;
DWORD expectedCallerDataSize = 0;

INT_PTR CALLBACK reportingDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    seen.dialog = dialog;
    seen.owner = GetWindow(dialog, GW_OWNER);
    const auto* data = static_cast<const BYTE*>(DSupGetStandardDialogData(dialog));
    seen.callerDataAddressed = data != nullptr;
    if (data) seen.callerData.assign(data, data + expectedCallerDataSize);
    return TRUE;
  }
  return FALSE;
}

TEST_F(DialogCreation, OwnerIsTheFirstVisibleWindowAmongTheOwnerAndItsParents) {
  const HWND hidden = CreateWindowExW(0, w(u"Static"), w(u"Hidden"), WS_CHILD, 0, 0, 10, 10, mainWindow, nullptr,
                                      nullptr, nullptr);
  const HWND hiddenChild = CreateWindowExW(0, w(u"Static"), w(u"Inner"), WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, hidden,
                                           nullptr, nullptr, nullptr);
  seen = {};
  behaviour.dialogProc = reportingDialogProc;
  user.enter();
  EXPECT_EQ(DSupInitDlg(hiddenChild, driverModule(), methodDialog, 0, 0, 0, 0, nullptr, recordFieldCheck,
                        recordCommand, recordFieldChange, reportingDialogProc, 0),
            IDOK);
  EXPECT_EQ(seen.owner, mainWindow);
  DestroyWindow(hidden);
}

TEST_F(DialogCreation, NoWindowToOwnTheDialogShowsNothing) {
  const HWND invisible = CreateWindowExW(0, w(u"Static"), w(u"Hidden"), WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                         nullptr, nullptr, nullptr);
  const HWND destroyed = CreateWindowExW(0, w(u"Static"), w(u"Gone"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 10, 10,
                                         nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  for (const HWND owner : {HWND{}, destroyed, invisible}) {
    EXPECT_EQ(DSupInitDlg(owner, driverModule(), methodDialog, 0, 0, 0, 0, nullptr, recordFieldCheck, recordCommand,
                          recordFieldChange, nullptr, 0),
              -1);
  }
  EXPECT_EQ(DSupInitDlg(mainWindow, driverModule(), 99, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, 0), -1)
      << "no such template";
  EXPECT_TRUE(calls.empty());
  DestroyWindow(invisible);
  // Nothing of the failed starts is left: a dialog of the main window starts as before.
  user.enter();
  EXPECT_EQ(run(methodDialog), IDOK);
}

TEST_F(DialogCreation, OneStandardDialogPerOwnerWhileItRuns) {
  INT secondOnSameOwner = 0, onTheRunningDialog = 0;
  bool outerDataAfterInner = false;
  int commands = 0;
  behaviour.onCommand = [&](HWND dialog, int id) {
    if (id != IDOK) return TRUE;
    if (++commands > 1) return EndDialog(dialog, 7), TRUE;  // the inner dialog
    {
      secondOnSameOwner = run(methodDialog);
      // A dialog owned by the running one starts; when it ends the outer one still has its data.
      onTheRunningDialog = DSupInitDlg(dialog, driverModule(), methodDialog, 0, 0, 0, 4, nullptr, recordFieldCheck,
                                       recordCommand, recordFieldChange, nullptr, 0);
      outerDataAfterInner = DSupGetStandardDialogData(dialog) != nullptr;
      EndDialog(dialog, 7);
    }
    return TRUE;
  };
  user.enter()    // outer: starts the two others
      .enter();       // inner, owned by the outer dialog
  EXPECT_EQ(run(methodDialog, {0, 0, 0, 4}), 7);
  EXPECT_EQ(secondOnSameOwner, -1);
  EXPECT_EQ(onTheRunningDialog, 7) << "the inner dialog ran the same driver";
  EXPECT_TRUE(outerDataAfterInner);
  // After the first has ended, the owner may have a standard dialog again.
  behaviour.onCommand = nullptr;
  user.enter();
  EXPECT_EQ(run(methodDialog), IDOK);
}

TEST_F(DialogCreation, CallerDataIsZeroFilledAndAddressedEvenWhenEmpty) {
  behaviour.dialogProc = reportingDialogProc;
  for (const DWORD size : {0u, 1u, 300u}) {
    seen = {};
    expectedCallerDataSize = size;
    user.enter();
    EXPECT_EQ(run(methodDialog, {0, 0, 0, size}), IDOK);
    EXPECT_TRUE(seen.callerDataAddressed) << size;
    EXPECT_EQ(seen.callerData, std::vector<BYTE>(size, 0)) << size;
    EXPECT_EQ(DSupGetStandardDialogData(seen.dialog), nullptr) << "the dialog has ended";
  }
  EXPECT_EQ(DSupGetStandardDialogData(mainWindow), nullptr) << "not a standard dialog";
}

TEST_F(DialogCreation, TemplateNumberTakesTheLowWordAndTheTemplateValueIsPassedWhole) {
  const DWORD withHighBits = 0x00050000u | methodDialog;
  user.enter();
  EXPECT_EQ(DSupInitializeStandardDialog(mainWindow, driverModule(), withHighBits, 0, 0, 0, 0, recordFieldCheck,
                                         recordCommand, recordFieldChange, nullptr, 0),
            IDOK);
  user.enter();
  EXPECT_EQ(DSupInitializeStandardDialogEx(mainWindow, driverModule(), withHighBits, 0, 0, 0, 0, recordFieldCheck,
                                           recordCommand, recordFieldChange, nullptr, 0, 0),
            IDOK);
  EXPECT_EQ(DSupInitDlg(mainWindow, driverModule(), withHighBits, 0, 0, 0, 0, nullptr, recordFieldCheck,
                        recordCommand, recordFieldChange, nullptr, 0),
            -1)
      << "no template is registered for the whole value";
  EXPECT_EQ(calls, (Calls{"command 1", "command 1"}));
}

TEST_F(DialogCreation, EndingByAnyPathLeavesNothingBehind) {
  // Escape with the standard Cancel handling, EndDialog from the driver, the owner destroyed: each
  // time a dialog of the same owner starts again at once.
  user.escape();
  EXPECT_EQ(run(methodDialog), 0);
  behaviour.onCommand = [](HWND dialog, int id) { return EndDialog(dialog, 100 + id), TRUE; };
  user.enter();
  EXPECT_EQ(run(methodDialog), 101);
  behaviour.onCommand = [&](HWND, int) { return DestroyWindow(mainWindow), TRUE; };
  user.enter();
  run(methodDialog);
  EXPECT_FALSE(IsWindow(mainWindow));
  mainWindow = CreateWindowExW(0, w(u"Static"), w(u"Instrument"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                               nullptr, nullptr, nullptr, nullptr);
  behaviour.onCommand = nullptr;
  user.enter();
  EXPECT_EQ(run(methodDialog), IDOK);
}

}  // namespace

}  // namespace dsuptest
