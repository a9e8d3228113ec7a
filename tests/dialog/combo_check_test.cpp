// The check of a combo box as the user types into it: the text begins an item of the list, which
// becomes selected, or it is reported.
#include "dialog/field_check_fixture.h"

namespace dsuptest {

namespace {

constexpr WORD columnDialog = 40;
constexpr int columnCombo = 103;
constexpr int commentField = 104;
constexpr UINT columnMessage = 740;
constexpr WORD untouched = 99;

INT_PTR CALLBACK columnDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) DSupInsertComboText(dialog, columnCombo, -1, w(u"abc\nabd\nColumn"));
  return message == WM_INITDIALOG;
}

std::u16string column(const std::u16string& message) { return u"Column: " + message; }

struct ComboCase {
  const char16_t* typed;
  std::u16string box;
  WORD index;  // the result; untouched when the text is rejected
  const char16_t* shown;
};

class ComboCheck : public FieldCheckTest {
 protected:
  void SetUp() override {
    FieldCheckTest::SetUp();
    addTemplate(columnDialog, {{u"ComboBox", columnCombo, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, nullptr, 10, 10, 80, 60},
                               {u"Edit", commentField, WS_VISIBLE | WS_TABSTOP | WS_BORDER, nullptr, 100, 10, 60, 12},
                               {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 10, 90, 40, 14},
                               {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP, u"Cancel", 60, 90, 40, 14}});
    addText(columnMessage, u"Column: %s");
    behaviour.dialogProc = columnDialogProc;
  }
};

TEST_F(ComboCheck, SelectsTheFirstItemThatTheTextBeginsWithoutRegardToCase) {
  const std::vector<ComboCase> cases = {
      {u"ab", {}, 0, u"abc"},
      {u"ABD", {}, 1, u"abd"},
      {u"abx", column(noListMatch), untouched, u"abx"},
      {u" ab", column(noListMatch), untouched, u" ab"},  // not trimmed
      {u"\b", column(emptyField), untouched, u""},
      {u"col", {}, 2, u"Column"},
  };
  WORD missing = untouched;
  enterEach<ComboCase>(columnDialog, columnCombo, cases, [&](HWND dialog, const ComboCase& c) {
    if (c.typed == cases.front().typed) {
      EXPECT_FALSE(DSupCheckDialogCombo(dialog, 999, columnMessage, &missing)) << "no control: no message either";
    }
    WORD index = untouched;
    EXPECT_EQ(DSupCheckDialogCombo(dialog, columnCombo, columnMessage, &index), c.box.empty()) << narrow(c.typed);
    EXPECT_EQ(index, c.index) << narrow(c.typed);
    EXPECT_EQ(itemText(dialog, columnCombo), c.shown) << narrow(c.typed);
    if (c.box.empty()) {
      EXPECT_EQ(SendDlgItemMessageW(dialog, columnCombo, CB_GETCURSEL, 0, 0), c.index);
    }
  }, true);
  EXPECT_EQ(missing, untouched);
}

}  // namespace

}  // namespace dsuptest
