// Number range validation of the values a driver computes: the range with its ends and its extra
// value, the whole range of the type where the driver gives no limits, values that are not
// numbers or too close to zero, and where the user is told.
#include <limits>

#include "dialog/field_check_fixture.h"

namespace dsuptest {

namespace {

constexpr UINT flowMessage = 700;
constexpr double largest = std::numeric_limits<double>::max();
constexpr double smallestNormal = 2.2250738585072014e-308;
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumberValue = std::numeric_limits<double>::quiet_NaN();

std::u16string flow(const std::u16string& message, const char16_t* limits) {
  return u"Flow: " + message + u" Allowed: " + limits + u".";
}

const char16_t* const doubleRange = u"-1.79769e+308 to 1.79769e+308 (or -1.79769e+308)";
const char16_t* const singleRange = u"-3.40282e+038 to 3.40282e+038 (or -3.40282e+038)";

enum class Form { doubleValue, singleValue };  // DSupValidDouble, DSupValidFloat

struct RangeCase {
  Form form;
  double value, minimum, maximum, extra;
  std::u16string box;  // what the user reads; empty when the value is accepted
};

class NumberRange : public FieldCheckTest {
 protected:
  void SetUp() override {
    FieldCheckTest::SetUp();
    addMethodTemplate();
    addText(flowMessage, u"Flow: %s Allowed: %g to %g (or %g).");
  }
  BOOL validate(HWND dialog, int field, const RangeCase& c) {
    const auto check = c.form == Form::doubleValue ? DSupValidDouble : DSupValidFloat;
    return check(dialog, field, c.value, flowMessage, c.minimum, c.maximum, c.extra);
  }
};

TEST_F(NumberRange, AcceptsTheRangeWithItsEndsAndTheExtraValueAndTellsWhyNot) {
  constexpr Form D = Form::doubleValue;
  constexpr Form F = Form::singleValue;
  const std::vector<RangeCase> cases = {
      // No limits: the whole range of doubles, and zero or a normal magnitude.
      {D, largest, 0, 0, 0, {}},
      {D, -largest, 0, 0, 0, {}},
      {D, 0, 0, 0, 0, {}},
      {D, smallestNormal, 0, 0, 0, {}},
      {D, -smallestNormal, 0, 0, 0, {}},
      {D, infinity, 0, 0, 0, flow(outOfRange, doubleRange)},
      {D, -infinity, 0, 0, 0, flow(outOfRange, doubleRange)},
      {D, notANumberValue, 0, 0, 0, flow(outOfRange, doubleRange)},
      {D, 1e-310, 0, 0, 0, flow(tooSmall, doubleRange)},
      // Limits with a 0 among them are the driver's own.
      {D, 0, 0, 0, 5, {}},
      {D, 5, 0, 0, 5, {}},
      {D, 2.5, 0, 0, 5, flow(outOfRange, u"0 to 0 (or 5)")},
      {D, 1, 1, 10, -100, {}},
      {D, 10, 1, 10, -100, {}},
      {D, -100, 1, 10, -100, {}},
      {D, 10.000000000000002, 1, 10, -100, flow(outOfRange, u"1 to 10 (or -100)")},
      {D, notANumberValue, 1, 10, -100, flow(outOfRange, u"1 to 10 (or -100)")},
      // Too close to zero within the range; outside it the range is what the user is told.
      {D, 1e-310, -1, 1, 5, flow(tooSmall, u"-1 to 1 (or 5)")},
      {D, 1e-310, 1, 10, -100, flow(outOfRange, u"1 to 10 (or -100)")},
      // No limits: the single-precision range, told on its own; smallness as for doubles.
      {F, 3e38, 0, 0, 0, {}},
      {F, -3.4028234663852886e38, 0, 0, 0, {}},
      {F, 1e-40, 0, 0, 0, {}},
      {F, 4e38, 0, 0, 0, beyondSingleRange},
      {F, infinity, 0, 0, 0, beyondSingleRange},
      {F, notANumberValue, 0, 0, 0, beyondSingleRange},
      {F, 1e-310, 0, 0, 0, flow(tooSmall, singleRange)},
      {F, 4e38, 0, 1, 0, flow(outOfRange, u"0 to 1 (or 0)")},
      {F, notANumberValue, 0, 1, 0, flow(outOfRange, u"0 to 1 (or 0)")},
  };
  std::vector<BOOL> accepted;
  behaviour.onFieldCheck = [&](HWND dialog, WORD, int, int) {
    if (!accepted.empty()) return;
    for (const RangeCase& c : cases) accepted.push_back(validate(dialog, fieldA, c));
  };
  std::vector<std::u16string> boxes;
  user.type(u"1").tab();
  for (const RangeCase& c : cases) {
    if (c.box.empty()) continue;
    user.answerMessageBox(IDOK);
    boxes.push_back(c.box);
  }
  user.escape();
  EXPECT_EQ(run(methodDialog), 0);
  ASSERT_EQ(accepted.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(accepted[i], cases[i].box.empty()) << "case " << i;
  EXPECT_EQ(user.answeredMessageBoxes(), boxes);
}

TEST_F(NumberRange, ValueOfNoFieldLeavesTheFocusValueOfAFieldHoldsTheUserThere) {
  behaviour.onCommand = [this](HWND dialog, int id) {
    if (id == buttonX) {
      validate(dialog, 0, {Form::doubleValue, 12, 0, 10, 0, {}});  // the sum of the driver's flows
      validate(dialog, 0, {Form::singleValue, 4e38, 0, 0, 0, {}});
      calls.push_back("focus in " + std::to_string(focusedId()));
      validate(dialog, fieldA, {Form::singleValue, 4e38, 0, 0, 0, {}});
      calls.push_back("focus in " + std::to_string(focusedId()));
    }
    return id == IDCANCEL;
  };
  user.click(buttonX).answerMessageBox(IDOK).answerMessageBox(IDOK).answerMessageBox(IDOK)
      .tab()  // A is in error: leaving it checks it, unchanged as it is
      .escape();
  EXPECT_EQ(run(methodDialog), 0);
  EXPECT_EQ(user.answeredMessageBoxes(),
            (std::vector<std::u16string>{flow(outOfRange, u"0 to 10 (or 0)"), beyondSingleRange, beyondSingleRange}));
  EXPECT_EQ(calls, (Calls{"command 200", "focus in 200", "focus in 101", "check 0x100 101 102", "command 2"}));
}

}  // namespace

}  // namespace dsuptest
