// A method dialog whose driver checks every field with the library's checks: the user mistypes
// each entry, reads what is wrong, is held in the field, corrects it and confirms; the driver
// receives the corrected values and nothing of the mistakes.
#include <cmath>

#include "dialog/field_check_fixture.h"

namespace dsuptest {

namespace {

constexpr WORD checkedMethod = 50;
constexpr int injectionsField = 101;
constexpr int flowField = 102;
constexpr int pressureField = 103;
constexpr int columnCombo = 104;
constexpr int ovenField = 105;
constexpr UINT injectionsMessage = 750;
constexpr UINT flowMessage = 751;
constexpr UINT pressureMessage = 752;
constexpr UINT columnMessage = 753;
constexpr UINT ovenMessage = 754;
constexpr UINT ovenStepMessage = 755;

struct Method {
  LONG injections = 0;
  double flow = 0;
  FLOAT pressure = 0;
  WORD column = 0;
  FLOAT oven = 0;
};

HINSTANCE driverTexts = nullptr;

INT_PTR CALLBACK checkedMethodProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) DSupInsertComboText(dialog, columnCombo, -1, w(u"C8 100 mm\nC18 150 mm\nC18 250 mm"));
  return message == WM_INITDIALOG;
}

// The oven takes steps of 5 degrees; the driver says so itself.
LONG CALLBACK ovenStep(HWND dialog, INT field, double value) {
  if (std::fmod(value, 5) == 0) return TRUE;
  DSupDialogEntryError(dialog, field, driverTexts, ovenStepMessage, 5);
  return FALSE;
}

class CheckedMethodStory : public FieldCheckTest {
 protected:
  void SetUp() override {
    FieldCheckTest::SetUp();
    constexpr DWORD field = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    addTemplate(checkedMethod, {{u"Edit", injectionsField, field, nullptr, 10, 10, 40, 12},
                                {u"Edit", flowField, field, nullptr, 60, 10, 40, 12},
                                {u"Edit", pressureField, field, nullptr, 110, 10, 40, 12},
                                {u"ComboBox", columnCombo, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, nullptr, 10, 30, 80, 60},
                                {u"Edit", ovenField, field, nullptr, 110, 30, 40, 12},
                                {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 10, 90, 40, 14},
                                {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP, u"Cancel", 60, 90, 40, 14}});
    addText(injectionsMessage, u"Injections: %s Allowed: %d to %d (or %d).");
    addText(flowMessage, u"Flow: %s Allowed: %g to %g ml/min.");
    addText(pressureMessage, u"Pressure: %s Allowed: %g to %g bar.");
    addText(columnMessage, u"Column: %s");
    addText(ovenMessage, u"Oven: %s");
    addText(ovenStepMessage, u"Oven: the oven takes steps of %d degrees.");
    driverTexts = driverModule();
    behaviour.dialogProc = checkedMethodProc;
    behaviour.onFieldCheck = [this](HWND dialog, WORD, int id, int) {
      if (!accepted(dialog, id)) held.push_back(focusedId());
    };
  }
  // The driver's check of field `id`, which keeps an accepted value in the method.
  BOOL accepted(HWND dialog, int id) {
    switch (id) {
      case injectionsField:
        return DSupCheckDialogInt(dialog, id, injectionsMessage, 1, 10, -1, FALSE, 1, &method.injections);
      case flowField:
        return DSupCheckDialogDouble(dialog, id, flowMessage, 0.01, 10, FALSE, 1, &method.flow, nullptr, 0, 2);
      case pressureField:
        return DSupCheckDialogFloat(dialog, id, pressureMessage, 0, 400, FALSE, 0, &method.pressure, nullptr, 0, 1);
      case columnCombo:
        return DSupCheckDialogCombo(dialog, id, columnMessage, &method.column);
      case ovenField:
        return DSupCheckDialogFloatWithFunction(dialog, id, ovenMessage, ovenStep, FALSE, 0, &method.oven);
    }
    return TRUE;
  }

  Method method;
  std::vector<int> held;  // the field with the focus after each rejection
};

TEST_F(CheckedMethodStory, UserCorrectsEveryMistypedEntryAndTheDriverReceivesTheCorrections) {
  user.type(u"1O").tab().answerMessageBox(IDOK).type(u"3").tab()        // a letter O for a zero
      .type(u"1,5").tab().answerMessageBox(IDOK).type(u"0.75").tab()    // a decimal comma
      .type(u"4000").tab().answerMessageBox(IDOK).type(u"250.5").tab()  // a zero too many
      .type(u"C18x").tab().answerMessageBox(IDOK);                      // no such column
  selectComboTextUnderWine();
  user.type(u"c18").tab()                                                // the first C18 column
      .type(u"37").enter().answerMessageBox(IDOK)  // the oven's step: the focus stayed in the field,
      .type(u"\b\b35").enter();                     // with nothing selected
  EXPECT_EQ(run(checkedMethod), IDOK);
  EXPECT_EQ(user.answeredMessageBoxes(),
            (std::vector<std::u16string>{u"Injections: " + notAnInteger + u" Allowed: 1 to 10 (or -1).",
                                         u"Flow: " + notANumber + u" Allowed: 0.01 to 10 ml/min.",
                                         u"Pressure: " + outOfRange + u" Allowed: 0 to 400 bar.",
                                         u"Column: " + noListMatch,
                                         u"Oven: the oven takes steps of 5 degrees."}));
  EXPECT_EQ(held, (std::vector<int>{injectionsField, flowField, pressureField, columnCombo, ovenField}));
  EXPECT_EQ(method.injections, 3);
  EXPECT_EQ(method.flow, 0.75);
  EXPECT_EQ(method.pressure, 250.5f);
  EXPECT_EQ(method.column, 1);
  EXPECT_EQ(method.oven, 35.0f);
}

}  // namespace

}  // namespace dsuptest
