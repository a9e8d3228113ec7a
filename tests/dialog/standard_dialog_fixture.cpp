#include "dialog/standard_dialog_fixture.h"

#include <cstdio>

namespace dsuptest {

namespace {

StandardDialogTest* currentTest = nullptr;

std::string hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

}  // namespace

void StandardDialogTest::SetUp() {
  PlatformTest::SetUp();
  currentTest = this;
  mainWindow = CreateWindowExW(0, w(u"Static"), w(u"Instrument"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(mainWindow, nullptr);
}

void StandardDialogTest::TearDown() {
  DestroyWindow(mainWindow);
  currentTest = nullptr;
  PlatformTest::TearDown();
}

void StandardDialogTest::addTemplate(WORD number, std::initializer_list<DialogItem> items) {
  ASSERT_TRUE(driver.add(number, {WS_POPUP | WS_CAPTION | WS_VISIBLE, u"Method", 0, 0, 200, 120, items}));
}

void StandardDialogTest::addText(UINT id, const char16_t* text) { ASSERT_TRUE(driver.addString(id, text)); }

INT StandardDialogTest::run(WORD number, const DialogSetup& setup) {
  return DSupInitDlg(mainWindow, driverModule(), number, setup.enterButtonId, setup.enterDefaultAtStart,
                     setup.keepFocusButtonId, setup.callerDataSize, behaviour.messageHook, recordFieldCheck,
                     recordCommand, recordFieldChange, behaviour.dialogProc, setup.initParam);
}

INT StandardDialogTest::runWithPermission(WORD number, LONG permissionNumber, const DialogSetup& setup) {
  return DSupInitDlgEx(mainWindow, driverModule(), number, setup.enterButtonId, setup.enterDefaultAtStart,
                       setup.keepFocusButtonId, setup.callerDataSize, behaviour.messageHook, recordFieldCheck,
                       recordCommand, recordFieldChange, behaviour.dialogProc, setup.initParam, permissionNumber);
}

BOOL CALLBACK StandardDialogTest::recordFieldCheck(HWND dialog, WORD reason, INT fieldId, INT focusId) {
  currentTest->calls.push_back("check " + hex(reason) + " " + std::to_string(fieldId) + " " + std::to_string(focusId));
  if (currentTest->behaviour.onFieldCheck) currentTest->behaviour.onFieldCheck(dialog, reason, fieldId, focusId);
  return TRUE;
}

BOOL CALLBACK StandardDialogTest::recordCommand(HWND dialog, INT commandId) {
  currentTest->calls.push_back("command " + std::to_string(commandId));
  if (currentTest->behaviour.onCommand) return currentTest->behaviour.onCommand(dialog, commandId);
  if (commandId == IDOK) EndDialog(dialog, IDOK);
  return TRUE;
}

BOOL CALLBACK StandardDialogTest::recordFieldChange(HWND dialog, INT fieldId) {
  currentTest->calls.push_back("change " + std::to_string(fieldId));
  if (currentTest->behaviour.onFieldChange) currentTest->behaviour.onFieldChange(dialog, fieldId);
  return TRUE;
}

std::u16string textOf(HWND window) {
  WCHAR buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return text(buffer);
}

std::u16string itemText(HWND dialog, int id) { return textOf(GetDlgItem(dialog, id)); }

int focusedId() {
  HWND focus = GetFocus();
  if (!focus) return 0;
  const HWND parent = GetParent(focus);
  WCHAR name[16] = {};
  if (parent && GetClassNameW(parent, name, 16) && text(name) == u"ComboBox") focus = parent;
  return GetDlgCtrlID(focus);
}

}  // namespace dsuptest
