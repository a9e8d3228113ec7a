// The demo driver's method dialog as the driver's code sees it: the controls of its template, the
// numbers of its texts, and the editor state that the callbacks share while the dialog runs. The
// dialog is a standard dialog of the library: method_dialog.cpp has its callbacks and field
// checks, method_timetable.cpp the oven program in the scroller, method_story.cpp the user.
#pragma once

#include <dsup.h>

#include <vector>

#include "demo.h"

namespace demo {

inline constexpr WORD methodDialogTemplate = 100;

// Controls beside the library's fixed ones (the stop time 61/63 and the timetable 31, 41, 42,
// 30001, 30002). OK is the timetable's "no row waiting" button, so that Enter confirms the dialog
// unless a program row waits to be entered.
inline constexpr int nameField = 101;
inline constexpr int flowField = 102;
inline constexpr int ovenField = 103;
inline constexpr int injectionsField = 104;
inline constexpr int wavelengthBox = 105;
inline constexpr int stopTimeButton = 106;  // switches the stop time between a number and "Off"
inline constexpr int helpLine = 107;
inline constexpr int rowTimeField = IDC_TT_FIRSTFIELD;
inline constexpr int rowTemperatureField = IDC_TT_FIRSTFIELD + 1;
inline constexpr int okButton = IDC_TT_NOROW_ENTER;

// Texts of the driver's module.
enum DriverText : WORD {
  flowMessage = 300,
  ovenMessage,
  injectionsMessage,
  wavelengthMessage,
  stopTimeMessage,
  postTimeMessage,
  stopTimeWarning,
  rowTimeMessage,
  rowTemperatureMessage,
  endLineText,
  clearQueryText,
  tableExistsText,
  noRowMemoryText,
  tooManyRowsText,
  programHelp,
  emptyProgramHelp,
  stopOffHelp,
};

// The limits of the entries, which the messages name as well.
inline constexpr double lowestFlow = 0.01, highestFlow = 10.0;          // ml/min
inline constexpr double lowestOven = 30.0, highestOven = 400.0;         // degrees C
inline constexpr LONG fewestInjections = 1, mostInjections = 99;
inline constexpr FLOAT longestStopTime = 120.0f;                        // min
inline constexpr double latestRowTime = 999.0;                          // min
inline constexpr long wavelengths[] = {214, 254, 280};                  // nm, the combo box's items

// What the dialog works on while it runs: the method as accepted so far (a rejected entry never
// reaches it), the stop time's record and the oven program's descriptor. The standard dialog's
// caller data holds its address.
struct MethodEditor {
  HINSTANCE driver = nullptr;
  Method method;
  DSupRunTimeData times{};
  DSupTTData program{};
  LONG chosenRow = 0;  // the program row in the entry fields; rowCount while a new row is typed
};

// Registers the dialog template and the texts in the driver's module.
void registerMethodDialog(HINSTANCE driver);
void registerProgramTexts(HINSTANCE driver);

// Runs the method dialog owned by `owner` and returns what DSupInitDlg returned; on OK `method`
// holds what the driver received, otherwise it is unchanged.
INT runMethodDialog(HWND owner, HINSTANCE driver, Method& method);

// The oven program's side of the dialog, called by the dialog's callbacks.
void prepareProgram(MethodEditor& editor);                 // the descriptor, before the dialog
void showProgram(HWND dialog, MethodEditor& editor);       // WM_INITDIALOG: the rows of the method
// A private message of the timetable editor (TTM_*), or a scroller notification: true when handled.
bool handleProgramMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, MethodEditor& editor);
void programButton(HWND dialog, int commandId, MethodEditor& editor);  // Enter, Delete, Clear
void programFieldChanged(HWND dialog, MethodEditor& editor);
std::vector<ProgramStep> programSteps(const MethodEditor& editor);
void releaseProgram(MethodEditor& editor);                 // after the dialog
// Checks one of the two entry fields of a program row; false after telling the user.
bool checkRowField(HWND dialog, int field, FLOAT& value);
void showProgramHelp(HWND dialog, const MethodEditor& editor);

}  // namespace demo
