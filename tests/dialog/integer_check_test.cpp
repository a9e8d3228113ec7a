// The check of an integer field as the user types into it: what counts as an integer, the limits
// with the extra value, empty and blank fields, and the 14 characters that are read.
#include "dialog/field_check_fixture.h"

namespace dsuptest {

namespace {

constexpr UINT injectionsMessage = 710;
constexpr LONG untouched = 99;

std::u16string injections(const std::u16string& message) {
  return u"Injections: " + message + u" Allowed: 1 to 10 (or -1).";
}

struct IntegerCase {
  const char16_t* typed;
  BOOL emptyAllowed;  // with the default 5
  std::u16string box;
  LONG value;  // the result; untouched when the field is rejected
};

class IntegerCheck : public FieldCheckTest {
 protected:
  void SetUp() override {
    FieldCheckTest::SetUp();
    addMethodTemplate();
    addText(injectionsMessage, u"Injections: %s Allowed: %d to %d (or %d).");
  }
};

TEST_F(IntegerCheck, TakesDecimalIntegersWithinTheLimitsOrTheExtraValueAndNeverRewritesTheField) {
  const std::vector<IntegerCase> cases = {
      {u"7", FALSE, {}, 7},
      {u"  8  ", FALSE, {}, 8},
      {u"+7", FALSE, {}, 7},
      {u"1", FALSE, {}, 1},
      {u"10", FALSE, {}, 10},
      {u"-1", FALSE, {}, -1},
      {u"0", FALSE, injections(outsideLimits), untouched},
      {u"11", FALSE, injections(outsideLimits), untouched},
      {u"2147483647", FALSE, injections(outsideLimits), untouched},
      {u"7a", FALSE, injections(notAnInteger), untouched},
      {u"1 2", FALSE, injections(notAnInteger), untouched},
      {u"0x10", FALSE, injections(notAnInteger), untouched},
      {u"7.0", FALSE, injections(notAnInteger), untouched},
      {u"4294967297", FALSE, injections(notAnInteger), untouched},  // 1 if it wrapped
      {u"-2147483649", FALSE, injections(notAnInteger), untouched},
      {u"00000000000007x", FALSE, {}, 7},  // the 15th character is not read
      {u"\b", FALSE, injections(emptyField), untouched},
      {u"   ", FALSE, injections(emptyField), untouched},
      {u"   ", TRUE, {}, 5},
      {u"\b", TRUE, {}, 5},
  };
  enterEach<IntegerCase>(methodDialog, fieldA, cases, [&](HWND dialog, const IntegerCase& c) {
    const std::u16string typed = afterTyping(c.typed);
    LONG value = untouched;
    EXPECT_EQ(DSupCheckDialogInt(dialog, fieldA, injectionsMessage, 1, 10, -1, c.emptyAllowed, 5, &value),
              c.box.empty()) << narrow(typed);
    EXPECT_EQ(value, c.value) << narrow(typed);
    EXPECT_EQ(itemText(dialog, fieldA), typed) << narrow(typed);
  });
}

}  // namespace

}  // namespace dsuptest
