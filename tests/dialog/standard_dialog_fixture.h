// The fixture of the dialog tests: a driver module with the test's dialog templates and texts, a
// visible main window that owns the dialogs, and a recording driver whose callbacks log what the
// library told it, in order, so that a test reads like the story of what the user did and what
// the driver heard.
//
// The tests use only the library, the Win32 API, the scripted user and the template module, so
// that they run on the simulated platform and, built for Windows, under Wine with real input.
#pragma once

#include <dsup.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/platform_test.h"
#include "common/template_module.h"
#include "common/wide_text.h"

namespace dsuptest {

using Calls = std::vector<std::string>;

// The driver's side of a standard dialog: what its callbacks do beyond logging. Each defaults to
// the plain driver: OK and Cancel end the dialog (Cancel through the standard handling).
struct DriverBehaviour {
  // Called for every field check after it is logged; a test rejects a field here.
  std::function<void(HWND dialog, WORD reason, int fieldId, int focusId)> onFieldCheck;
  // The command callback's answer after the command is logged; by default OK ends the dialog with
  // 1 and the answer is 1 (for Cancel: end the dialog with 0).
  std::function<BOOL(HWND dialog, int commandId)> onCommand;
  // Called for every field change after it is logged.
  std::function<void(HWND dialog, int fieldId)> onFieldChange;
  // The driver's own dialog procedure, or none.
  DLGPROC dialogProc = nullptr;
  // The message hook, or none.
  DSupMessageHook messageHook = nullptr;
};

// What a creation function is given beyond the fixture's own arguments.
struct DialogSetup {
  LONG enterButtonId = 0;
  INT enterDefaultAtStart = 0;
  LONG keepFocusButtonId = 0;
  DWORD callerDataSize = 0;
  LPARAM initParam = 0;
};

class StandardDialogTest : public PlatformTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Registers a dialog template of the driver's module (a visible pop-up with a caption).
  void addTemplate(WORD number, std::initializer_list<DialogItem> items);
  // Adds a text of the driver's module.
  void addText(UINT id, const char16_t* text);
  HINSTANCE driverModule() { return driver.instance(); }

  // Runs template `number` as a standard dialog owned by the main window through DSupInitDlg,
  // with the recording callbacks, and returns its result.
  INT run(WORD number, const DialogSetup& setup = {});
  // The same through DSupInitDlgEx with a permission number.
  INT runWithPermission(WORD number, LONG permissionNumber, const DialogSetup& setup = {});

  // The callbacks' calls so far, as "check 0x200 101 101", "command 1", "change 101", in order.
  Calls calls;
  DriverBehaviour behaviour;
  TemplateModule driver;
  HWND mainWindow = nullptr;

 public:
  // The recording callbacks, for tests that call a creation function themselves.
  static BOOL CALLBACK recordFieldCheck(HWND dialog, WORD reason, INT fieldId, INT focusId);
  static BOOL CALLBACK recordCommand(HWND dialog, INT commandId);
  static BOOL CALLBACK recordFieldChange(HWND dialog, INT fieldId);
};

// A window's text.
std::u16string textOf(HWND window);
// The text of control `id` of `dialog`.
std::u16string itemText(HWND dialog, int id);
// The id of the control that has the focus, or 0; the combo box's id when its edit part has it.
int focusedId();

}  // namespace dsuptest
