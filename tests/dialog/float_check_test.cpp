// The single-precision checks that do not report as the others do: the silent check with its
// fallback value, and the check that leaves the value to a function of the driver's once it lies
// within the single-precision range.
#include <cmath>
#include <limits>

#include "dialog/field_check_fixture.h"

namespace dsuptest {

namespace {

constexpr FLOAT untouched = 99;

struct SilentCase {
  const char16_t* typed;
  FLOAT maximum;  // from 0, with the fallback 2.5
  INT digits;
  BOOL accepted;
  FLOAT value;                // the result; untouched with negative digits
  const char16_t* shown;      // the field's text afterwards; null: as typed
  const char16_t* textResult; // null: untouched
  static inline const std::u16string box;  // silent: never a box
};

using FloatChecks = FieldCheckTest;

TEST_F(FloatChecks, SilentCheckFallsBackWithoutAWordAndWritesNothingWithNegativeDigits) {
  constexpr FLOAT unlimited = std::numeric_limits<FLOAT>::infinity();
  const std::vector<SilentCase> cases = {
      {u"3.14159", 100, 2, TRUE, 3.14f, u"3.14", u"3.14"},
      {u"100", 100, 1, TRUE, 100, u"100.0", u"100.0"},
      {u"150", 100, 1, FALSE, 2.5, u"2.5", u"2.5"},
      {u"abc", 100, 1, FALSE, 2.5, u"2.5", u"2.5"},
      {u"1e39", unlimited, 1, FALSE, 2.5, u"2.5", u"2.5"},  // infinite in single precision
      {u"1e38", unlimited, -1, TRUE, untouched, nullptr, nullptr},
      {u"abc", 100, -1, FALSE, untouched, nullptr, nullptr},
      {u"\b", 100, 1, FALSE, 2.5, u"2.5", u"2.5"},
  };
  addMethodTemplate();
  enterEach<SilentCase>(methodDialog, fieldA, cases, [&](HWND dialog, const SilentCase& c) {
    FLOAT value = untouched;
    TextResult text;
    const BOOL accepted = DSupDlgInternalFloatCheck(dialog, static_cast<WORD>(fieldA), 0, c.maximum, 2.5, &value,
                                                    text.buffer, 16, c.digits);
    const std::u16string typed = afterTyping(c.typed);
    EXPECT_EQ(accepted, c.accepted) << narrow(typed);
    EXPECT_EQ(value, c.value) << narrow(typed);
    EXPECT_EQ(itemText(dialog, fieldA), c.shown ? c.shown : typed) << narrow(typed);
    EXPECT_EQ(text.text(), c.textResult ? c.textResult : untouchedText) << narrow(typed);
  });
}

constexpr UINT ovenMessage = 730;
std::vector<double> offeredToTheDriver;

// The oven takes steps of 5 degrees; the driver's own message for another value is left out here.
LONG CALLBACK ovenStep(HWND, INT field, double value) {
  EXPECT_EQ(field, fieldA);
  offeredToTheDriver.push_back(value);
  return std::fmod(value, 5) == 0 ? 2 : 0;
}

struct FunctionCase {
  const char16_t* typed;
  std::u16string box;
  LONG result;
  FLOAT value;  // the result; untouched when the field is not accepted
};

std::u16string oven(const std::u16string& message) { return u"Oven: " + message; }

TEST_F(FloatChecks, CheckWithTheDriversFunctionOffersOnlyNumbersOfTheSingleRange) {
  const std::vector<FunctionCase> cases = {
      {u"45", {}, 2, 45},  // the function's own answer
      {u"42", {}, 0, untouched},
      {u"4e38", beyondSingleRange, 0, untouched},
      {u"1e-310", oven(tooSmall), 0, untouched},
      {u"abc", oven(notANumber), 0, untouched},
      {u"   ", {}, 1, 40},  // empty: the default
  };
  addMethodTemplate();
  addText(ovenMessage, u"Oven: %s");
  offeredToTheDriver.clear();
  enterEach<FunctionCase>(methodDialog, fieldA, cases, [&](HWND dialog, const FunctionCase& c) {
    FLOAT value = untouched;
    EXPECT_EQ(DSupCheckDialogFloatWithFunction(dialog, fieldA, ovenMessage, ovenStep, TRUE, 40, &value), c.result)
        << narrow(c.typed);
    EXPECT_EQ(value, c.value) << narrow(c.typed);
  });
  EXPECT_EQ(offeredToTheDriver, (std::vector<double>{45, 42}));
}

// The caller's limits may reach beyond the single-precision range; a value beyond it is refused
// rather than handed over as infinite.
TEST_F(FloatChecks, LimitsBeyondTheSingleRangeDoNotLetAnInfiniteValueThrough) {
  const std::vector<FunctionCase> cases = {
      {u"1e39", beyondSingleRange, 0, untouched},
      {u"3e38", {}, 1, 3e38f},
  };
  addMethodTemplate();
  addText(ovenMessage, u"Oven: %s");
  enterEach<FunctionCase>(methodDialog, fieldA, cases, [&](HWND dialog, const FunctionCase& c) {
    FLOAT value = untouched;
    EXPECT_EQ(DSupCheckDialogFloat(dialog, fieldA, ovenMessage, 0, 1e40, FALSE, 0, &value, nullptr, 0, -1), c.result)
        << narrow(c.typed);
    EXPECT_EQ(value, c.value) << narrow(c.typed);
  });
}

}  // namespace

}  // namespace dsuptest
