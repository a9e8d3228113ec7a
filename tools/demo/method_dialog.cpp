// The demo driver's method dialog: a standard dialog of the library. The library decides when a
// field is checked and holds the user in a rejected one; the driver's field check hands each field
// to the library's check with the field's limits and keeps what is accepted; the stop time goes
// through the run-time field handler; the oven program is a timetable (method_timetable.cpp).
#include "method_dialog.h"

#include <qxplatform.h>
#include <qxscroller.h>

#include <iterator>

namespace demo {

namespace {

MethodEditor* editorOf(HWND dialog) {
  auto* slot = static_cast<MethodEditor**>(DSupGetStandardDialogData(dialog));
  return slot ? *slot : nullptr;
}

std::u16string fieldText(HWND dialog, int id) {
  WCHAR text[80] = {};
  GetDlgItemTextW(dialog, id, text, 80);
  return reinterpret_cast<const char16_t*>(text);
}

LPCWSTR wideText(const std::u16string& text) { return reinterpret_cast<LPCWSTR>(text.c_str()); }

void showStopTime(HWND dialog, MethodEditor& editor) {
  if (editor.times.stopState == 1) {
    DSupSetFloatField(dialog, IDC_STOPTIME, editor.method.stopTime, 2);
  } else {
    DSupDlgVaHelpLine(dialog, editor.driver, helpLine, stopOffHelp);
  }
}

void fillFields(HWND dialog, MethodEditor& editor) {
  const Method& method = editor.method;
  DSupSetTextField(dialog, nameField, wideText(method.name));
  DSupSetFloatField(dialog, flowField, method.flow, 2);
  DSupSetFloatField(dialog, ovenField, method.ovenTemperature, 1);
  DSupSetIntField(dialog, injectionsField, static_cast<LONG>(method.injections), FALSE);
  DSupInsertComboText(dialog, wavelengthBox, -1, wideText(u"214 nm\n254 nm\n280 nm"));
  for (std::size_t item = 0; item < std::size(wavelengths); ++item)
    if (wavelengths[item] == method.wavelength) DSupSetComboSelect(dialog, wavelengthBox, static_cast<INT>(item));
  // The template shows the stop time's number field; an "Off" stop time steps on to its text.
  if (method.stopTimeOff) DSupDlgRunTimeEntryToggle(dialog, DSUP_STOPTIME_ENTRY, 1, &editor.times);
  showStopTime(dialog, editor);
  showProgram(dialog, editor);
}

// The stop time button: "Off" becomes the number field again with the last stop time typed, and
// the user is taken there to change it.
void toggleStopTime(HWND dialog, MethodEditor& editor) {
  DSupDlgRunTimeEntryToggle(dialog, DSUP_STOPTIME_ENTRY, 1, &editor.times);
  editor.method.stopTimeOff = editor.times.stopState != 1;
  if (editor.times.stopState == 1) editor.times.stopTime = static_cast<FLOAT>(editor.method.stopTime);
  showStopTime(dialog, editor);
  if (editor.times.stopState == 1)
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_STOPTIME)), TRUE);
}

bool checkStopTime(HWND dialog, MethodEditor& editor) {
  if (!DSupDlgRunTimeFieldHandler(dialog, IDC_STOPTIME, 0, longestStopTime, 0, 0, 2, &editor.times, stopTimeMessage,
                                  postTimeMessage, stopTimeWarning))
    return false;
  editor.method.stopTimeOff = editor.times.stopState != 1;
  if (!editor.method.stopTimeOff) editor.method.stopTime = editor.times.stopTime;
  showStopTime(dialog, editor);
  return true;
}

BOOL CALLBACK checkField(HWND dialog, WORD, INT field, INT) {
  MethodEditor* editor = editorOf(dialog);
  if (!editor) return TRUE;
  Method& method = editor->method;
  FLOAT single = 0;
  LONG whole = 0;
  WORD item = 0;
  switch (field) {
    case flowField:
      return DSupCheckDialogDouble(dialog, field, flowMessage, lowestFlow, highestFlow, FALSE, 0, &method.flow,
                                   nullptr, 0, 2);
    case ovenField:
      if (!DSupCheckDialogFloat(dialog, field, ovenMessage, lowestOven, highestOven, FALSE, 0, &single, nullptr, 0, 1))
        return FALSE;
      method.ovenTemperature = single;
      return TRUE;
    case injectionsField:
      if (!DSupCheckDialogInt(dialog, field, injectionsMessage, fewestInjections, mostInjections, fewestInjections,
                              FALSE, fewestInjections, &whole))
        return FALSE;
      method.injections = whole;
      return TRUE;
    case wavelengthBox:
      if (!DSupCheckDialogCombo(dialog, field, wavelengthMessage, &item) || item >= std::size(wavelengths))
        return FALSE;
      method.wavelength = wavelengths[item];
      return TRUE;
    case IDC_STOPTIME:
      return checkStopTime(dialog, *editor);
    case rowTimeField:
    case rowTemperatureField:
      return checkRowField(dialog, field, single);
    default:
      return TRUE;
  }
}

BOOL CALLBACK command(HWND dialog, INT id) {
  MethodEditor* editor = editorOf(dialog);
  if (!editor) return TRUE;
  switch (id) {
    case okButton:
    case IDOK:
      editor->method.name = fieldText(dialog, nameField);
      editor->method.program = programSteps(*editor);
      EndDialog(dialog, IDOK);
      break;
    case stopTimeButton:
      toggleStopTime(dialog, *editor);
      break;
    case IDC_TT_ENTER:
    case IDC_TT_DELETE:
    case IDC_TT_CLEAR:
      programButton(dialog, id, *editor);
      break;
  }
  return TRUE;  // for IDCANCEL: the library ends the dialog with 0
}

BOOL CALLBACK fieldChanged(HWND dialog, INT id) {
  MethodEditor* editor = editorOf(dialog);
  if (editor && (id == rowTimeField || id == rowTemperatureField)) programFieldChanged(dialog, *editor);
  return TRUE;
}

INT_PTR CALLBACK methodDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* editor = reinterpret_cast<MethodEditor*>(lParam);
    *static_cast<MethodEditor**>(DSupGetStandardDialogData(dialog)) = editor;
    fillFields(dialog, *editor);
    return TRUE;
  }
  MethodEditor* editor = editorOf(dialog);
  return editor && handleProgramMessage(dialog, message, wParam, lParam, *editor);
}

}  // namespace

void registerMethodDialog(HINSTANCE driver) {
  PlatformAddString(driver, flowMessage, u"Flow: %s Allowed: %g to %g ml/min.");
  PlatformAddString(driver, ovenMessage, u"Oven: %s Allowed: %g to %g C.");
  PlatformAddString(driver, injectionsMessage, u"Injections: %s Allowed: %d to %d per vial.");
  PlatformAddString(driver, wavelengthMessage, u"Wavelength: %s");
  PlatformAddString(driver, stopTimeMessage, u"Stop time: %s Enter %.2f to %.2f min or Off.");
  PlatformAddString(driver, postTimeMessage, u"Post time: %s Enter %.2f to %.2f min or Off.");
  PlatformAddString(driver, stopTimeWarning, u"The stop time is longer than the oven program.");
  PlatformAddString(driver, stopOffHelp, u"Stop time Off: the run ends with the oven program.");
  registerProgramTexts(driver);

  constexpr DWORD field = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
  constexpr DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  static const PlatformDialogItem items[] = {
      {u"Static", -1, WS_VISIBLE, u"Name:", 5, 5, 60, 10},
      {u"Edit", nameField, field, nullptr, 70, 5, 100, 12},
      {u"Static", -1, WS_VISIBLE, u"Flow (ml/min):", 5, 20, 60, 10},
      {u"Edit", flowField, field, nullptr, 70, 20, 40, 12},
      {u"Static", -1, WS_VISIBLE, u"Oven (C):", 5, 35, 60, 10},
      {u"Edit", ovenField, field, nullptr, 70, 35, 40, 12},
      {u"Static", -1, WS_VISIBLE, u"Injections:", 5, 50, 60, 10},
      {u"Edit", injectionsField, field, nullptr, 70, 50, 40, 12},
      {u"Static", -1, WS_VISIBLE, u"Wavelength:", 5, 65, 60, 10},
      {u"ComboBox", wavelengthBox, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, nullptr, 70, 65, 50, 60},
      {u"Static", -1, WS_VISIBLE, u"Stop time (min):", 5, 80, 60, 10},
      {u"Edit", IDC_STOPTIME, field, nullptr, 70, 80, 40, 12},
      {u"Static", IDC_STOPTIME_OFF, 0, u"Off", 70, 80, 40, 12},
      {u"Button", stopTimeButton, button, u"On/Off", 115, 80, 30, 12},
      {u"" QXSCROLLER_CLASSNAME_ASCII, IDC_TT_SCROLLER, WS_VISIBLE | WS_TABSTOP, nullptr, 180, 5, 110, 60},
      {u"Edit", rowTimeField, field, nullptr, 180, 70, 40, 12},
      {u"Edit", rowTemperatureField, field, nullptr, 225, 70, 40, 12},
      {u"Button", IDC_TT_ENTER, button | WS_DISABLED, u"Enter", 180, 85, 34, 14},
      {u"Button", IDC_TT_DELETE, button, u"Delete", 218, 85, 34, 14},
      {u"Button", IDC_TT_CLEAR, button, u"Clear", 256, 85, 34, 14},
      {u"Static", helpLine, WS_VISIBLE, nullptr, 5, 105, 285, 10},
      {u"Button", okButton, button, u"OK", 180, 120, 50, 14},
      {u"Button", IDCANCEL, button, u"Cancel", 240, 120, 50, 14},
  };
  const PlatformDialogTemplate dialog{WS_POPUP | WS_CAPTION | WS_VISIBLE, u"Method", 0, 0, 300, 140, std::size(items),
                                      items};
  PlatformAddDialogTemplate(driver, MAKEINTRESOURCEW(methodDialogTemplate), &dialog);
}

INT runMethodDialog(HWND owner, HINSTANCE driver, Method& method) {
  MethodEditor editor;
  editor.driver = driver;
  editor.method = method;
  // Stop mode 2: the stop time is a number or "Off", nothing else.
  editor.times = {0, 0, 1, 1, 2, static_cast<FLOAT>(method.stopTime), 0};
  prepareProgram(editor);
  const INT result = DSupInitDlg(owner, driver, methodDialogTemplate, okButton, 0, 0, sizeof(MethodEditor*), nullptr,
                                 checkField, command, fieldChanged, methodDialogProc,
                                 reinterpret_cast<LPARAM>(&editor));
  releaseProgram(editor);
  if (result == IDOK) method = editor.method;
  return result;
}

}  // namespace demo
