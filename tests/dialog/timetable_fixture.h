// The fixture of the timetable editor tests: a small timetable driver and its dialog. The dialog
// holds the scroller (IDC_TT_SCROLLER, five rows in view), the entry field IDC_TT_FIRSTFIELD, the
// Enter button IDC_TT_ENTER, Delete, Clear, OK and Cancel. OK is IDC_TT_NOROW_ENTER, the Enter
// button while no typed row waits (Enter, and so IDOK, activates the Enter button of a standard
// dialog), and ends the dialog with IDOK. The
// driver keeps each row's text in its row memory and answers the editor's messages from it: the
// typed text becomes a new row when the end-of-table line was chosen last, else it changes the
// chosen row; the text "bad" (or an empty one) is refused. It passes the scroller's notifications
// and the buttons to the library, and logs what the library told it ("selected 3", "update",
// "delete 3..5", "cleared", "enter", "enter from scroller", "refused").
#pragma once

#include <string>
#include <vector>

#include "common/scroller_library.h"
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

inline constexpr WORD timetableDialog = 30;
inline constexpr UINT timetableMessages = WM_USER + 100;
inline constexpr WORD endLineText = 601, clearQueryText = 602;
inline constexpr WORD tableExistsText = 603, noRowMemoryText = 604, tooManyRowsText = 605;
inline constexpr int rowsInView = 5;
inline constexpr int okButton = IDC_TT_NOROW_ENTER;

// One row of the driver's table: its text, not necessarily terminated within the row when it
// fills it.
struct DriverRow {
  WCHAR text[130];
};

class TimetableTest : public StandardDialogTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the timetable dialog with the rows given (created by the driver at WM_INITDIALOG).
  INT runTimetable(const std::vector<std::u16string>& rows = {});

  // The driver's rows, and what the scroller shows: the rows in view (text, and "*" after a
  // highlighted one); a row out of view is left out.
  std::vector<std::u16string> driverRows() const;
  static std::vector<std::u16string> shownRows(HWND dialog);
  // The end-of-table line as the driver's texts make it.
  std::u16string endLine() const;

  // Checks, as the user looks at the dialog, that the scroller shows the driver's rows, the
  // end-of-table line after them and the selection's highlight.
  void expectRowsAgree(HWND dialog);

 public:
  // What the driver's dialog procedure and its scroller recorder work on.
  // The scroller messages that the library sent while the driver's last button command ran, as
  // "SCM_INSERTROWS 1 0" (name, wParam, lParam as a range "0..1" where it is one).
  std::vector<std::string> scrollerMessages;

  ScrollerLibrary scrollerLibrary;
  DSupTTData table{};
  std::vector<std::string> driverLog;
  LONG chosenRow = 0;  // the row of the last TTM_ROWSELECTED
  std::vector<std::u16string> initialRows;
  bool recordScroller = false;

  static TimetableTest* current;
};

}  // namespace dsuptest
