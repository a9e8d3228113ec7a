// Support for the tests of the user interface: a module with the tests' dialog templates, a
// visible main window that owns the dialogs, the test's modeless dialog, and a log of what the
// dialog procedures saw.
//
// The tests use only the Win32 API, the scripted user and the template module, so that they run
// on the simulated platform and, built for Windows, under Wine.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/platform_test.h"
#include "common/template_module.h"
#include "common/wide_text.h"

namespace dsuptest {

using Strings = std::vector<std::string>;

// Control ids of the standard test dialog.
inline constexpr int firstEdit = 101;
inline constexpr int secondEdit = 102;
inline constexpr int comboBox = 103;
inline constexpr int pushButton = 200;

// A private message that the logging dialog procedure posts to itself when a field loses the
// focus (wParam: the field's id), as a deferred check does.
inline constexpr UINT deferredMessage = WM_USER + 100;

// Template numbers.
inline constexpr WORD standardDialog = 1;  // edits 101 and 102, combo box 103, button 200, OK, Cancel

class DialogTest : public PlatformTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Registers a template of the test module under `number`.
  void addTemplate(WORD number, std::initializer_list<DialogItem> items,
                   DWORD style = WS_POPUP | WS_CAPTION | WS_VISIBLE, const char16_t* caption = u"Test");

  // The module with the templates registered so far.
  HINSTANCE module() { return templates.instance(); }

  // Runs the template modally, owned by the main window, with the logging dialog procedure (or
  // another); `initParam` is the lParam of WM_INITDIALOG, which the logging procedure returns
  // (TRUE: the first tab stop gets the focus).
  INT_PTR runDialog(WORD number, LPARAM initParam = TRUE);
  INT_PTR runDialog(WORD number, DLGPROC procedure, LPARAM initParam);

  // Creates the template as the test's modeless `dialog`, owned by the main window and destroyed at
  // the end, likewise; then clears the events that its creation logged.
  void open(WORD number, LPARAM initParam = TRUE);
  void open(WORD number, DLGPROC procedure, LPARAM initParam);

  // A control of `dialog`.
  HWND item(int id) { return GetDlgItem(dialog, id); }

  // Presses a key in `dialog` (a WM_KEYDOWN to the window with the focus) through
  // IsDialogMessageW, and returns its answer.
  BOOL pressKey(WPARAM key);

  // The scripted user's failures, each cut to its start.
  Strings failureStarts(std::size_t length);

  TemplateModule templates;
  HWND mainWindow = nullptr;
  HWND dialog = nullptr;
};

// The events logged since the test began, in order: notifications as "EN_SETFOCUS 101",
// "CBN_SELCHANGE 103", "BN_CLICKED 200", commands without a control as "command 1", and
// "posted 101" when the deferred message for field 101 is handled ("posted 101, Tab down" while
// the Tab key's release has not been taken from the queue yet).
std::vector<std::string>& events();

// The events that contain `part`, in order.
std::vector<std::string> eventsWith(const std::string& part);

// The logging dialog procedure: logs WM_COMMAND and the deferred message, posts the deferred
// message on EN_KILLFOCUS and CBN_KILLFOCUS, ends the dialog with IDOK or IDCANCEL when those
// are clicked, and returns WM_INITDIALOG's lParam from WM_INITDIALOG (nonzero: default focus).
INT_PTR CALLBACK loggingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A window's text, and its class name.
std::u16string textOf(HWND window);
std::u16string classOf(HWND window);

// Dispatches what is queued for the thread, painting included, as a message loop would before
// going idle.
void handleQueue();

// The id of the control that has the focus (0: none or no control).
int focusedId();

}  // namespace dsuptest
