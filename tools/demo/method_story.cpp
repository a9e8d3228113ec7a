// The method dialog as a person uses it: the scripted user mistypes entries the way people do (a
// number out of range, a letter for a zero, an emptied field), reads each message, corrects the
// entry, types the oven program, deletes a step and confirms. The demo tells what the user did,
// what the user saw and what the driver received, and holds all of it against the expectation.
#include <qxplatform.h>
#include <qxscroller.h>

#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "method_dialog.h"
#include "sim/scripted_user.h"
#include "sim/trace.h"

namespace demo {

namespace {

// One thing the user does. A step that brings a message answers it with OK; a step that looks
// at the dialog afterwards says what it should see.
struct Step {
  const char* what;
  std::function<void(sim::ScriptedUser&)> act;
  const char16_t* message = nullptr;
  std::function<std::string(HWND)> look = nullptr;
  const char* sight = nullptr;
};

std::string itemText(HWND dialog, int id) {
  WCHAR text[128] = {};
  GetDlgItemTextW(dialog, id, text, 128);
  return narrow(reinterpret_cast<const char16_t*>(text));
}

std::string stopTimeShown(HWND dialog) {
  const bool off = IsWindowVisible(GetDlgItem(dialog, IDC_STOPTIME_OFF));
  return std::string("stop time ") + (off ? "Off" : itemText(dialog, IDC_STOPTIME)) + "; help line \"" +
         itemText(dialog, helpLine) + "\"";
}

std::string programShown(HWND dialog) {
  const HWND scroller = GetDlgItem(dialog, IDC_TT_SCROLLER);
  const auto rows = static_cast<int>(SendMessageW(scroller, SCM_GETROWCOUNT, 0, 0));
  std::string shown;
  for (int row = 0; row < rows; ++row) {
    WCHAR text[QXSCROLLER_ROWTEXT_CAPACITY] = {};
    SendMessageW(scroller, SCM_GETROWTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    // The rows' columns are aligned with blanks; one blank between the words is enough here.
    std::string line;
    for (const char c : narrow(reinterpret_cast<const char16_t*>(text)))
      if (c != ' ' || (!line.empty() && line.back() != ' ')) line += c;
    shown += (row ? " | " : "") + line;
  }
  return shown + "; help line \"" + itemText(dialog, helpLine) + "\"";
}

// A program row typed into the entry fields and entered with the Enter key.
std::function<void(sim::ScriptedUser&)> enterRow(const char16_t* time, const char16_t* temperature) {
  return [=](sim::ScriptedUser& user) { user.type(time).tab().type(temperature).enter(); };
}

const std::vector<Step>& story() {
  static const std::vector<Step> steps = {
      {"types the name \"Oven program C18\"", [](auto& u) { u.type(u"Oven program C18").tab(); }},
      {"types a flow of 25 ml/min, meaning 2.5", [](auto& u) { u.type(u"25").tab(); },
       u"Flow: The value lies outside the permitted range. Allowed: 0.01 to 10 ml/min."},
      {"corrects the flow to 2.5", [](auto& u) { u.type(u"2.5").tab(); }},
      {"types the oven temperature 4O with a letter O for the zero", [](auto& u) { u.type(u"4O").tab(); },
       u"Oven: The entry is not a number. Allowed: 30 to 400 C."},
      {"corrects it to 40", [](auto& u) { u.type(u"40").tab(); }},
      {"types 3 injections", [](auto& u) { u.type(u"3").tab(); }},
      {"chooses 254 nm in the wavelength list", [](auto& u) { u.chooseComboItem(wavelengthBox, 1).tab(); }},
      {"erases the stop time and leaves the field empty", [](auto& u) { u.type(u"\b").tab(); },
       u"Stop time: The field is empty, but it needs a value. Enter 0.20 to 120.00 min or Off."},
      {"types off: the run is to end with the oven program", [](auto& u) { u.type(u"off").tab(); }, nullptr,
       stopTimeShown, "stop time Off; help line \"Stop time Off: the run ends with the oven program.\""},
      {"clicks the program's time field and enters 0 min, 40 C",
       [](auto& u) { u.click(rowTimeField).type(u"0").tab().type(u"40").enter(); }},
      {"enters 5 min, 120 C", enterRow(u"5", u"120")},
      {"enters 7.5 min, 180 C", enterRow(u"7.5", u"180")},
      {"enters 10 min, 250 C", enterRow(u"10", u"250"), nullptr, programShown,
       "0.00 min 40.0 C | 5.00 min 120.0 C | 7.50 min 180.0 C | 10.00 min 250.0 C; "
       "help line \"Oven program: 4 steps, the last 250.0 C at 10.00 min.\""},
      {"decides against the step at 7.5 min: clicks it and clicks Delete",
       [](auto& u) { u.wait(200).clickRow(IDC_TT_SCROLLER, 2).click(IDC_TT_DELETE); }, nullptr, programShown,
       "0.00 min 40.0 C | 5.00 min 120.0 C | 10.00 min 250.0 C; "
       "help line \"Oven program: 3 steps, the last 250.0 C at 10.00 min.\""},
      {"turns the stop time on again with On/Off and types 12.5 min",
       [](auto& u) { u.click(stopTimeButton).type(u"12.5"); }},
      {"clicks OK", [](auto& u) { u.click(okButton); }},
  };
  return steps;
}

Method expectedMethod() {
  return {u"Oven program C18", 2.5, 40.0, 3, 12.5, false, 254, {{0, 40}, {5, 120}, {10, 250}}};
}

std::string describe(const Method& method) {
  char text[200];
  std::snprintf(text, sizeof text, "%s, flow %g ml/min, oven %g C, %ld injections, %ld nm, stop time ",
                narrow(method.name).c_str(), method.flow, method.ovenTemperature, method.injections,
                method.wavelength);
  std::string described = text;
  if (method.stopTimeOff) {
    described += "Off";
  } else {
    std::snprintf(text, sizeof text, "%g min", method.stopTime);
    described += text;
  }
  described += ", oven program";
  for (const ProgramStep& step : method.program) {
    std::snprintf(text, sizeof text, " %g min %g C;", step.time, step.temperature);
    described += text;
  }
  if (method.program.empty()) described += " none";
  return described;
}

}  // namespace

bool editMethodInDialog(Method& method) {
  std::cout << "\nEditing the method in the driver's standard dialog (scripted user)\n";
  HINSTANCE driver = PlatformCreateModule();
  registerMethodDialog(driver);
  HWND mainWindow = CreateWindowExW(0, u"Static", u"Demo instrument", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                    640, 480, nullptr, nullptr, driver, nullptr);
  method = {u"New method", 1.0, 30.0, 1, 10.0, false, 214, {}};

  const std::vector<Step>& steps = story();
  std::vector<std::string> seen(steps.size());
  sim::clearTrace();
  sim::ScriptedUser user;
  for (std::size_t index = 0; index < steps.size(); ++index) {
    const Step& step = steps[index];
    step.act(user);
    if (step.message) user.answerMessageBox(IDOK);
    if (step.look) user.look([&seen, &step, index](HWND dialog) { seen[index] = step.look(dialog); });
  }
  const INT result = runMethodDialog(mainWindow, driver, method);
  DestroyWindow(mainWindow);
  PlatformDestroyModule(driver);

  bool held = result == IDOK;
  const std::vector<sim::MessageBoxRecord> boxes = sim::messageBoxes();
  std::size_t box = 0;
  for (std::size_t index = 0; index < steps.size(); ++index) {
    const Step& step = steps[index];
    std::cout << "  the user " << step.what << "\n";
    if (step.message) {
      if (box < boxes.size()) {
        std::cout << "    and sees \"" << narrow(boxes[box].caption) << ": " << narrow(boxes[box].text)
                  << "\", presses OK\n";
        held &= boxes[box].text == step.message;
      }
      held &= box < boxes.size();
      ++box;
    }
    if (step.look) {
      std::cout << "    and sees " << seen[index] << "\n";
      if (seen[index] != step.sight) {
        std::cout << "    instead of " << step.sight << "\n";
        held = false;
      }
    }
  }
  for (; box < boxes.size(); ++box) {
    std::cout << "  an unexpected message: \"" << narrow(boxes[box].text) << "\"\n";
    held = false;
  }
  for (const std::string& failure : user.takeFailures()) {
    std::cout << "  script failure: " << failure << "\n";
    held = false;
  }
  std::cout << "  the dialog ended with " << (result == IDOK ? "OK" : "something else") << "; the driver received "
            << describe(method) << "\n";
  if (method != expectedMethod()) {
    std::cout << "  expected " << describe(expectedMethod()) << "\n";
    held = false;
  }
  return held;
}

}  // namespace demo
