// Numbers in the fields of any dialog: reading a field's text as a number, the field's width in
// characters, writing a value formatted for that width, and the length of a field's text.
#include <cmath>
#include <limits>
#include <string>

#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

constexpr WORD numberDialog = 20;
constexpr int narrowField = 101;      // 20 dialog units across
constexpr int numberField = 102;      // 40
constexpr int wideField = 103;        // 80
constexpr int zeroWidthField = 104;   // 0
constexpr int missingField = 999;

INT_PTR CALLBACK plainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The fields in a plain dialog, not a standard one: these functions work on any dialog.
class NumberFields : public StandardDialogTest {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addTemplate(numberDialog, {{u"Edit", narrowField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 10, 10, 20, 12},
                               {u"Edit", numberField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 10, 30, 40, 12},
                               {u"Edit", wideField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 10, 50, 80, 12},
                               {u"Edit", zeroWidthField, WS_VISIBLE | WS_TABSTOP, nullptr, 10, 70, 0, 12}});
    dialog = CreateDialogParamW(driverModule(), MAKEINTRESOURCEW(numberDialog), mainWindow, plainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
  }
  void TearDown() override {
    DestroyWindow(dialog);
    StandardDialogTest::TearDown();
  }

  void setText(int id, const std::u16string& shown) { ASSERT_TRUE(SetDlgItemTextW(dialog, id, w(shown))); }

  HWND dialog = nullptr;
};

struct ReadCase {
  std::u16string shown;
  BOOL valid;
  double value;  // when valid
};

TEST_F(NumberFields, ReadsOneDecimalNumberWithBlanksAroundIt) {
  const double infinity = std::numeric_limits<double>::infinity();
  const std::u16string blanks38(38, u' ');
  const ReadCase cases[] = {
      {u"", TRUE, 0.0},  // an empty field is a valid zero
      {u"   ", FALSE, 0},
      {u"12.5", TRUE, 12.5},
      {u"  12.5", TRUE, 12.5},
      {u"12.5  ", TRUE, 12.5},
      {u"\t-12.5\t", TRUE, -12.5},
      {u"+7", TRUE, 7},
      {u".5", TRUE, 0.5},
      {u"5.", TRUE, 5},
      {u"-1.5E+2", TRUE, -150},
      {u"+.5e-3", TRUE, 0.0005},
      {u"0012", TRUE, 12},
      {u"12.5x", FALSE, 0},
      {u"1,5", FALSE, 0},
      {u"1 2", FALSE, 0},
      {u"- 1", FALSE, 0},
      {u"1.2.3", FALSE, 0},
      {u"inf", FALSE, 0},
      {u"-infinity", FALSE, 0},
      {u"nan", FALSE, 0},
      {u"0x10", FALSE, 0},
      {u"1e", FALSE, 0},
      {u"1e+", FALSE, 0},
      {u"1e2.5", FALSE, 0},
      {u"e5", FALSE, 0},
      {u".", FALSE, 0},
      {u"-", FALSE, 0},
      {u"\uFF11", FALSE, 0},  // a full-width digit one
      // Beyond the double range: infinity with its sign (for the range checks to report), or zero.
      {u"1e400", TRUE, infinity},
      {u"-1e400", TRUE, -infinity},
      {u"1e-400", TRUE, 0},
      {u"1e-310", TRUE, 1e-310},
      // A text of more than 42 characters is judged by its first 42.
      {u"1" + std::u16string(41, u'0') + u"x", TRUE, 1e41},
      {u"12.5" + blanks38 + u"x", TRUE, 12.5},
      {u"12.5" + std::u16string(37, u' ') + u"x", FALSE, 0},
  };
  for (const ReadCase& c : cases) {
    const std::string shown(c.shown.begin(), c.shown.end());
    setText(numberField, c.shown);
    BOOL valid = -1;
    const double value = DSupGetDlgItemFloat(dialog, numberField, &valid);
    EXPECT_EQ(valid, c.valid) << shown;
    if (c.valid) {
      EXPECT_EQ(value, c.value) << shown;
    }
    double stored = -1;
    EXPECT_EQ(DSupGetDlgItemFloatNew(dialog, numberField, &stored), c.valid) << shown;
    EXPECT_EQ(std::signbit(stored), std::signbit(value)) << shown;
    if (c.valid) {
      EXPECT_EQ(stored, value) << shown;
    }
  }
}

TEST_F(NumberFields, AMissingFieldReadsAsAValidZeroOfNoWidthOrLength) {
  BOOL valid = FALSE;
  EXPECT_EQ(DSupGetDlgItemFloat(dialog, missingField, &valid), 0.0);
  EXPECT_TRUE(valid);
  double stored = -1;
  EXPECT_TRUE(DSupGetDlgItemFloatNew(dialog, missingField, &stored));
  EXPECT_EQ(stored, 0.0);
  EXPECT_EQ(DSupGetDlgItemWidth(dialog, missingField), 0);
  EXPECT_EQ(DSupGetDlgItemLength(dialog, missingField), 0);
  // Without a flag or a value pointer the read still runs.
  setText(numberField, u"4.25");
  EXPECT_EQ(DSupGetDlgItemFloat(dialog, numberField, nullptr), 4.25);
  EXPECT_TRUE(DSupGetDlgItemFloatNew(dialog, numberField, nullptr));
}

TEST_F(NumberFields, WidthCountsAverageCharactersAcrossTheField) {
  const int narrow = DSupGetDlgItemWidth(dialog, narrowField);
  const int normal = DSupGetDlgItemWidth(dialog, numberField);
  const int wide = DSupGetDlgItemWidth(dialog, wideField);
  EXPECT_GT(narrow, 0);
  EXPECT_LT(narrow, normal);
  EXPECT_NEAR(wide, 2 * normal, 2) << "twice as wide, less the border";
  EXPECT_EQ(DSupGetDlgItemWidth(dialog, zeroWidthField), 0);
#if DSUP_SIMULATION
  EXPECT_EQ(normal, 10) << "4 dialog units across are one character of 7 pixels";
#endif
}

TEST_F(NumberFields, SetWritesTheValueFormattedForTheFieldsWidth) {
  for (const int id : {narrowField, numberField, wideField, zeroWidthField}) {
    WCHAR expected[DSUP_FLOAT_TEXT_CAPACITY];
    DoubleFormat(expected, -123456.789, DSupGetDlgItemWidth(dialog, id), 3);
    DSupSetDlgItemFloat(dialog, id, -123456.789, 3);
    EXPECT_EQ(itemText(dialog, id), text(expected)) << id;
  }
  EXPECT_LT(itemText(dialog, narrowField).size(), itemText(dialog, wideField).size());
#if DSUP_SIMULATION
  EXPECT_EQ(itemText(dialog, numberField), u"-123456.79");
#endif
}

TEST_F(NumberFields, LengthIsTheWholeTextsLength) {
  setText(numberField, std::u16string(60, u'7'));
  EXPECT_EQ(DSupGetDlgItemLength(dialog, numberField), 60);
  setText(numberField, u"");
  EXPECT_EQ(DSupGetDlgItemLength(dialog, numberField), 0);
}

TEST_F(NumberFields, SetAndUpdateFieldWriteNothingOutsideAStandardDialog) {
  setText(numberField, u"abc");
  DSupSetFloatField(dialog, numberField, 1.5, 2);
  DSupUpdateFloatField(dialog, numberField, 1.5, 2);
  EXPECT_EQ(itemText(dialog, numberField), u"abc");
}

}  // namespace

}  // namespace dsuptest
