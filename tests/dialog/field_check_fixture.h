// The field checks and the number validation as the user meets them: the library's messages as
// the user reads them in the boxes, and a user who enters one text after the other into a field.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/wine.h"
#include "common/wine_departures.h"
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

// The library's messages, shown as the first insert of the driver's framing message (117 alone).
inline const std::u16string notANumber = u"The entry is not a number.";
inline const std::u16string notAnInteger = u"The entry is not a whole number.";
inline const std::u16string emptyField = u"The field is empty, but it needs a value.";
inline const std::u16string outOfRange = u"The value lies outside the permitted range.";
inline const std::u16string tooSmall = u"The value is too close to zero: enter 0 or a magnitude of at least 2.2e-308.";
inline const std::u16string outsideLimits = u"The value lies outside the limits of this field.";
inline const std::u16string beyondSingleRange = u"The value lies beyond the single-precision range of -3.4e38 to 3.4e38.";
inline const std::u16string noListMatch = u"The entry matches no item of the list; choose one of the items.";

// A text result buffer of 16 characters that shows whether a check wrote it.
inline const std::u16string untouchedText = u"untouched";
struct TextResult {
  TextResult() { std::copy_n(untouchedText.c_str(), untouchedText.size() + 1, reinterpret_cast<char16_t*>(buffer)); }
  std::u16string text() const { return dsuptest::text(buffer); }
  WCHAR buffer[16];
};

// An ASCII text as a failure message shows it.
inline std::string narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

// The text of a field after the user typed `typed` over its selected text.
inline std::u16string afterTyping(const char16_t* typed) { return typed[0] == u'\b' ? u"" : typed; }

class FieldCheckTest : public StandardDialogTest {
 protected:
  // The user is back in a combo box whose text the platform selected as the focus came in; under
  // Wine (WineDeparture::comboTextSelectedAtFirstFocusOnly) the user selects it with End and
  // Shift+Home.
  void selectComboTextUnderWine() {
#ifdef _WIN32
    if (runsUnderWine()) user.press(VK_END).press(VK_HOME, true);
#endif
  }

  // Runs dialog `number`, in which the user types each case's `typed` text into `field` (which
  // has the focus at the start and is followed by another field in the tab order; "\b" empties
  // it, so the first case must leave a text) and leaves it with Tab. The driver's check of the
  // field calls `check` for the case. A case whose `box` is not empty is rejected with that
  // message: the user answers it and is back in the field, its text selected; after any other
  // case the user goes back with Shift+Tab. Escape ends the dialog. `comboBox` says that the field
  // is one.
  template <typename Case>
  void enterEach(WORD number, int field, const std::vector<Case>& cases,
                 std::function<void(HWND dialog, const Case&)> check, bool comboBox = false) {
    std::size_t next = 0;
    behaviour.onFieldCheck = [&](HWND dialog, WORD, int id, int) {
      if (id == field && next < cases.size()) check(dialog, cases[next++]);
    };
    std::vector<std::u16string> boxes;
    for (const Case& entry : cases) {
      if (comboBox && &entry != &cases.front()) selectComboTextUnderWine();
      user.type(entry.typed).tab();
      if (entry.box.empty()) {
        user.shiftTab();
      } else {
        user.answerMessageBox(IDOK);
        boxes.push_back(entry.box);
      }
    }
    user.escape();
    EXPECT_EQ(run(number), 0);
    EXPECT_EQ(next, cases.size()) << "the field was checked once for each text";
    EXPECT_EQ(user.answeredMessageBoxes(), boxes);
    behaviour.onFieldCheck = nullptr;
  }
};

}  // namespace dsuptest
