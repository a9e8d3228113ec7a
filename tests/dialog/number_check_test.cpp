// The check of a double or single-precision field as the user types into it: what counts as a
// number, the limits (0 and 0 allow only 0), the field rewritten with the driver's digits and the
// value as it then shows, the text result, and the 14 characters that are read.
#include "dialog/field_check_fixture.h"

namespace dsuptest {

namespace {

constexpr WORD flowDialog = 45;
constexpr UINT flowMessage = 720;
constexpr double most = 1e15;
constexpr double untouched = 99;

std::u16string flow(const std::u16string& message, const char16_t* limits = u"0 to 1e+015") {
  return u"Flow: " + message + u" Allowed: " + limits + u".";
}

struct NumberCase {
  const char16_t* typed;
  double minimum, maximum;
  BOOL emptyAllowed;  // with the default 7.5
  INT digits;
  WORD capacity;  // of the text result
  std::u16string box;
  double value;                 // the result; untouched when the field is rejected
  const char16_t* shown;        // the field's text afterwards; null: as typed
  const char16_t* textResult;   // null: untouched
};

const std::vector<NumberCase> numberCases = {
    {u"3.14159", 0, most, FALSE, 2, 16, {}, 3.14, u"3.14", u"3.14"},  // the value as shown
    {u"0.0000005", 0, most, FALSE, 8, 16, {}, 0, u"0.00000000", u"0.00000000"},
    {u"123456789012345", 0, most, FALSE, -1, 16, {}, 12345678901234, nullptr, u"12345678901234"},
    {u" 2.5 ", 0, most, FALSE, -1, 16, {}, 2.5, nullptr, u"2.5"},
    {u"12.345", 0, most, FALSE, 3, 4, {}, 12.345, u"12.345", u"***"},
    {u"12.345", 0, most, FALSE, 3, 6, {}, 12.345, u"12.345", u"*****"},
    {u"12.345", 0, most, FALSE, 3, 0, {}, 12.345, u"12.345", nullptr},
    {u"12.345", 0, most, FALSE, 3, 7, {}, 12.345, u"12.345", u"12.345"},
    {u"1e14", 0, most, FALSE, 0, 16, {}, 1e14, u"100000000000000", u"100000000000000"},  // read back whole
    {u"   ", 0, most, TRUE, 1, 16, {}, 7.5, u"7.5", u"7.5"},
    {u"0", 0, 0, FALSE, -1, 16, {}, 0, nullptr, u"0"},
    {u"5", 0, 0, FALSE, 2, 16, flow(outsideLimits, u"0 to 0"), untouched, nullptr, nullptr},
    {u"-1", 0, most, FALSE, 2, 16, flow(outOfRange), untouched, nullptr, nullptr},
    {u"1e999", 0, most, FALSE, 2, 16, flow(outOfRange), untouched, nullptr, nullptr},
    {u"1e-310", 0, most, FALSE, 2, 16, flow(tooSmall), untouched, nullptr, nullptr},
    {u"inf", 0, most, FALSE, 2, 16, flow(notANumber), untouched, nullptr, nullptr},
    {u"nan", 0, most, FALSE, 2, 16, flow(notANumber), untouched, nullptr, nullptr},
    {u"0x10", 0, most, FALSE, 2, 16, flow(notANumber), untouched, nullptr, nullptr},
    {u"1,5", 0, most, FALSE, 2, 16, flow(notANumber), untouched, nullptr, nullptr},
    {u"\b", 0, most, FALSE, 2, 16, flow(emptyField), untouched, nullptr, nullptr},
};

enum class Form { doubleResult, singleResult };  // DSupCheckDialogDouble, DSupCheckDialogFloat

class NumberCheck : public FieldCheckTest, public ::testing::WithParamInterface<Form> {
 protected:
  void SetUp() override {
    FieldCheckTest::SetUp();
    // A field wide enough for more than the 14 characters that are read of a typed entry.
    constexpr DWORD field = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
    addTemplate(flowDialog, {{u"Edit", fieldA, field, nullptr, 10, 10, 160, 12},
                             {u"Edit", fieldB, field, nullptr, 10, 30, 60, 12},
                             {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 10, 90, 40, 14}});
    addText(flowMessage, u"Flow: %s Allowed: %g to %g.");
  }
  // The check of the parameter's form; the value as the driver receives it.
  BOOL check(HWND dialog, const NumberCase& c, double& value, WCHAR* text) {
    if (GetParam() == Form::doubleResult)
      return DSupCheckDialogDouble(dialog, fieldA, flowMessage, c.minimum, c.maximum, c.emptyAllowed, 7.5, &value,
                                   text, c.capacity, c.digits);
    FLOAT single = untouched;
    const BOOL accepted = DSupCheckDialogFloat(dialog, fieldA, flowMessage, c.minimum, c.maximum, c.emptyAllowed,
                                               7.5, &single, text, c.capacity, c.digits);
    value = single;
    return accepted;
  }
  double received(double value) { return GetParam() == Form::doubleResult ? value : static_cast<FLOAT>(value); }
};

TEST_P(NumberCheck, TakesDecimalNumbersWithinTheLimitsAndGivesBackWhatTheFieldShows) {
  enterEach<NumberCase>(flowDialog, fieldA, numberCases, [&](HWND dialog, const NumberCase& c) {
    const std::u16string typed = afterTyping(c.typed);
    double value = untouched;
    TextResult text;
    EXPECT_EQ(check(dialog, c, value, text.buffer), c.box.empty()) << narrow(typed);
    EXPECT_EQ(value, received(c.value)) << narrow(typed);
    EXPECT_EQ(itemText(dialog, fieldA), c.shown ? c.shown : typed) << narrow(typed);
    EXPECT_EQ(text.text(), c.textResult ? c.textResult : untouchedText) << narrow(typed);
  });
}

INSTANTIATE_TEST_SUITE_P(Results, NumberCheck, ::testing::Values(Form::doubleResult, Form::singleResult),
                         [](const ::testing::TestParamInfo<Form>& info) {
                           return info.param == Form::doubleResult ? "Double" : "Single";
                         });

}  // namespace

}  // namespace dsuptest
