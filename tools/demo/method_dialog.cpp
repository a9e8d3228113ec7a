// The method dialog of the demo driver: a template of the driver's module, run through the
// dialog service of the data system (NlsDialogBoxParam) as the library runs its standard dialogs,
// with a scripted user who types a flow that is too high, reads the driver's message, and
// corrects it.
#include <qxnls01.h>
#include <qxplatform.h>
#include <qxutil02.h>

#include <charconv>
#include <cstdarg>
#include <iostream>
#include <string>

#include "demo.h"
#include "sim/scripted_user.h"
#include "sim/trace.h"

namespace demo {

namespace {

constexpr WORD methodDialogTemplate = 100;
constexpr WORD flowOutOfRangeText = 300;
constexpr int nameField = 101, flowField = 102, ovenField = 103, stopField = 104, wavelengthBox = 105;
constexpr double lowestFlow = 0.01, highestFlow = 10.0;
const char16_t* const wavelengths[] = {u"214", u"254", u"280"};

std::u16string fieldText(HWND dialog, int id) {
  WCHAR text[80] = {};
  GetDlgItemTextW(dialog, id, text, 80);
  return reinterpret_cast<const char16_t*>(text);
}

bool readNumber(HWND dialog, int id, double& value) {
  const std::string text = narrow(fieldText(dialog, id));
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

void setFieldText(HWND dialog, int id, const std::u16string& text) {
  SetDlgItemTextW(dialog, id, reinterpret_cast<LPCWSTR>(text.c_str()));
}

// The driver's entry error, shown through the data system's message service.
void showEntryError(HWND dialog, WORD textNumber, ...) {
  va_list arguments;
  va_start(arguments, textNumber);
  UtilMessageBox(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), dialog, textNumber,
                 MB_OK | MB_ICONEXCLAMATION, 15, arguments);
  va_end(arguments);
}

void fillFields(HWND dialog, const Method& method) {
  setFieldText(dialog, nameField, method.name);
  setFieldText(dialog, flowField, wide(std::to_string(method.flow)));
  setFieldText(dialog, ovenField, wide(std::to_string(method.ovenTemperature)));
  setFieldText(dialog, stopField, wide(std::to_string(method.stopTime)));
  for (const char16_t* wavelength : wavelengths)
    SendDlgItemMessageW(dialog, wavelengthBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wavelength));
  SendDlgItemMessageW(dialog, wavelengthBox, CB_SETCURSEL, 0, 0);
}

// Reads and checks the fields; a flow outside its range is reported and the user sent back to it.
bool takeFields(HWND dialog, Method& method) {
  double flow = 0;
  if (!readNumber(dialog, flowField, flow) || flow < lowestFlow || flow > highestFlow) {
    showEntryError(dialog, flowOutOfRangeText, lowestFlow, highestFlow);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, flowField)), TRUE);
    return false;
  }
  method.flow = flow;
  method.name = fieldText(dialog, nameField);
  readNumber(dialog, ovenField, method.ovenTemperature);
  readNumber(dialog, stopField, method.stopTime);
  const std::string wavelength = narrow(fieldText(dialog, wavelengthBox));
  std::from_chars(wavelength.data(), wavelength.data() + wavelength.size(), method.wavelength);
  return true;
}

INT_PTR CALLBACK methodDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<Method*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      fillFields(dialog, *reinterpret_cast<Method*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK && takeFields(dialog, *method)) EndDialog(dialog, IDOK);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

void registerDriverResources(HINSTANCE driver) {
  PlatformAddString(driver, flowOutOfRangeText, u"The flow must lie between %.2f and %.2f ml/min.");
  static const PlatformDialogItem items[] = {
      {u"Static", -1, WS_VISIBLE, u"Name:", 5, 5, 60, 10},
      {u"Edit", nameField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 70, 5, 100, 12},
      {u"Static", -1, WS_VISIBLE, u"Flow (ml/min):", 5, 20, 60, 10},
      {u"Edit", flowField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 70, 20, 40, 12},
      {u"Static", -1, WS_VISIBLE, u"Oven (C):", 5, 35, 60, 10},
      {u"Edit", ovenField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 70, 35, 40, 12},
      {u"Static", -1, WS_VISIBLE, u"Stop time (min):", 5, 50, 60, 10},
      {u"Edit", stopField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 70, 50, 40, 12},
      {u"Static", -1, WS_VISIBLE, u"Wavelength (nm):", 5, 65, 60, 10},
      {u"ComboBox", wavelengthBox, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, nullptr, 70, 65, 40, 60},
      {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK", 40, 85, 40, 14},
      {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP, u"Cancel", 90, 85, 40, 14},
  };
  const PlatformDialogTemplate dialog{WS_POPUP | WS_CAPTION, u"Method", 0, 0, 180, 105, std::size(items), items};
  PlatformAddDialogTemplate(driver, MAKEINTRESOURCEW(methodDialogTemplate), &dialog);
}

}  // namespace

bool editMethodInDialog(Method& method) {
  std::cout << "\nEditing the method in the driver's dialog (scripted user)\n";
  HINSTANCE driver = PlatformCreateModule();
  registerDriverResources(driver);
  HWND mainWindow = CreateWindowExW(0, u"Static", u"Demo instrument", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                    640, 480, nullptr, nullptr, driver, nullptr);
  method = {u"New method", 1.0, 30.0, 10.0, 214};

  sim::clearTrace();
  sim::ScriptedUser user;
  user.type(u"Isocratic C18").tab().type(u"25").tab().type(u"40").tab().type(u"12.5")
      .chooseComboItem(wavelengthBox, 1).click(IDOK)
      .answerMessageBox(IDOK)  // the flow is out of range: back in the flow field, its text selected
      .type(u"1.25").click(IDOK);
  const INT_PTR result = NlsDialogBoxParam(driver, methodDialogTemplate, mainWindow, methodDialogProc,
                                           reinterpret_cast<LPARAM>(&method));
  DestroyWindow(mainWindow);
  PlatformDestroyModule(driver);

  for (const sim::MessageBoxRecord& box : sim::messageBoxes())
    std::cout << "  the user saw \"" << narrow(box.caption) << ": " << narrow(box.text) << "\" and pressed "
              << (box.answer == IDOK ? "OK" : "another button") << "\n";
  for (const std::string& failure : sim::failures()) std::cout << "  script failure: " << failure << "\n";
  std::cout << "  dialog ended with " << (result == IDOK ? "OK" : "something else") << ": " << narrow(method.name)
            << ", flow " << method.flow << " ml/min, oven " << method.ovenTemperature << " C, stop time "
            << method.stopTime << " min, " << method.wavelength << " nm\n";
  return result == IDOK && sim::failures().empty() && sim::messageBoxes().size() == 1 &&
         method.name == u"Isocratic C18" && method.flow == 1.25 && method.ovenTemperature == 40.0 &&
         method.stopTime == 12.5 && method.wavelength == 254;
}

}  // namespace demo
