// The scroller control of the scroller's library: rows asked for from the parent when they are
// painted, the row count, inserting and deleting rows, highlights, scrolling, the rows' places,
// and the notifications of the user's clicks and keys with their rows.
#include <qxscroller.h>

#include <string>
#include <vector>

#include "common/platform_test.h"
#include "common/scroller_library.h"
#include "common/template_module.h"
#include "common/wide_text.h"

namespace dsuptest {
namespace {

using Strings = std::vector<std::string>;

constexpr WORD scrollerDialog = 2;
constexpr int scrollerId = 41;
// 40 dialog units high: 80 pixels, five rows.
constexpr int rowsInView = 5;

Strings& events() {
  static Strings log;
  return log;
}

std::u16string rowLabel(int row) {
  std::u16string label = u"row ";
  for (char c : std::to_string(row)) label += static_cast<char16_t>(c);
  return label;
}

// The text with which the parent answers for every row instead of "row N", when not empty.
std::u16string& answerForEveryRow() {
  static std::u16string text;
  return text;
}

// The parent's side: answers every row text request with "row N" (row 2 highlighted), logs the
// notifications as "click 3", "text 0" ..., and ends the dialog with OK.
INT_PTR CALLBACK scrollerParent(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) return EndDialog(dialog, IDOK);
  if (LOWORD(wParam) != scrollerId) return FALSE;
  const HWND scroller = reinterpret_cast<HWND>(lParam);
  const auto row = static_cast<int>(SendMessageW(scroller, SCM_GETNOTIFYROW, 0, 0));
  static const std::pair<WORD, const char*> names[] = {
      {SCN_SETFOCUS, "focus"}, {SCN_KILLFOCUS, "leave"},       {SCN_CLICK, "click"},     {SCN_SHIFTCLICK, "shift click"},
      {SCN_KEYMOVE, "key"},    {SCN_SHIFTKEYMOVE, "shift key"}, {SCN_GETROWTEXT, "text"}, {SCN_DBLCLK, "double click"}};
  for (const auto& [code, name] : names)
    if (HIWORD(wParam) == code) events().push_back(std::string(name) + " " + std::to_string(row));
  if (HIWORD(wParam) == SCN_GETROWTEXT) {
    const std::u16string text = answerForEveryRow().empty() ? rowLabel(row) : answerForEveryRow();
    if (!SendMessageW(scroller, SCM_SETROWTEXT, row == 2, reinterpret_cast<LPARAM>(w(text))))
      events().push_back("text refused");
  }
  return TRUE;
}

void handleQueue() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// The scroller's dialog, run modally by the scripted user.
class ScrollerUser : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    events().clear();
    answerForEveryRow().clear();
    ASSERT_TRUE(templates.add(scrollerDialog,
                              {WS_POPUP | WS_CAPTION | WS_VISIBLE, u"Table", 0, 0, 200, 100,
                               {{u"" QXSCROLLER_CLASSNAME_ASCII, scrollerId, WS_VISIBLE | WS_TABSTOP, nullptr, 0, 0, 80, 40},
                                {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 90, 0, 40, 14}}}));
    owner = CreateWindowExW(0, w(u"Static"), w(u"Main window"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                            nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(owner);
    PlatformTest::TearDown();
  }

  INT_PTR run(DLGPROC procedure) {
    return DialogBoxParamW(templates.instance(), MAKEINTRESOURCEW(scrollerDialog), owner, procedure, 0);
  }

  ScrollerLibrary library;
  TemplateModule templates;
  HWND owner = nullptr;
};

// The scroller of a modeless dialog, driven by messages.
class Scroller : public ScrollerUser {
 protected:
  void SetUp() override {
    ScrollerUser::SetUp();
    dialog = CreateDialogParamW(templates.instance(), MAKEINTRESOURCEW(scrollerDialog), owner, scrollerParent, 0);
    ASSERT_NE(dialog, nullptr);
    scroller = GetDlgItem(dialog, scrollerId);
    events().clear();
  }
  void TearDown() override {
    DestroyWindow(dialog);
    ScrollerUser::TearDown();
  }
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(scroller, message, wParam, lParam);
  }
  std::u16string rowText(int row) {
    WCHAR text[QXSCROLLER_ROWTEXT_CAPACITY];
    return send(SCM_GETROWTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text)) < 0 ? u"(out of view)"
                                                                                              : dsuptest::text(text);
  }
  // The rows asked for: "text N" for each row from first to last.
  static Strings asked(int first, int last) {
    Strings texts;
    for (int row = first; row <= last; ++row) texts.push_back("text " + std::to_string(row));
    return texts;
  }

  HWND dialog = nullptr;
  HWND scroller = nullptr;
};

TEST_F(Scroller, RowsInViewAreAskedForInOrderWhenThePaintingComes) {
  handleQueue();
  EXPECT_EQ(events(), asked(0, rowsInView - 1));
  EXPECT_EQ(rowText(3), u"row 3");
  EXPECT_TRUE(send(SCM_ISROWHIGHLIGHTED, 2));
  EXPECT_FALSE(send(SCM_ISROWHIGHLIGHTED, 3));
  EXPECT_EQ(rowText(rowsInView), u"(out of view)");
  EXPECT_FALSE(send(SCM_SETROWTEXT, 0, reinterpret_cast<LPARAM>(w(u"unasked")))) << "no row was asked for";
  events().clear();
  send(SCM_REDRAWROWS, 0, MAKELPARAM(3, 1));
  EXPECT_TRUE(UpdateWindow(scroller));
  EXPECT_EQ(events(), asked(1, 3)) << "UpdateWindow paints at once";
  handleQueue();
  EXPECT_EQ(events().size(), 3u) << "painted once";
}

TEST_F(Scroller, RowCountFollowsInsertingDeletingAndResetting) {
  struct Step {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT rowCount;
  };
  const Step steps[] = {
      {SCM_SETROWCOUNT, 3, 0, 3},
      {SCM_INSERTROWS, 1, 0, 4},
      {SCM_INSERTROWS, 2, 4, 6},
      {SCM_INSERTROWS, 0, 1, 6},
      {SCM_INSERTROWS, 1, -1, 6},
      {SCM_DELETEROWS, 0, MAKELPARAM(2, 1), 4},
      {SCM_DELETEROWS, 0, MAKELPARAM(3, 9), 3},
      {SCM_DELETEROWS, 0, MAKELPARAM(5, 7), 3},
      {SCM_SETROWCOUNT, static_cast<WPARAM>(-1), 0, 0},
  };
  for (const Step& step : steps) {
    send(step.message, step.wParam, step.lParam);
    EXPECT_EQ(send(SCM_GETROWCOUNT), step.rowCount) << "message " << step.message << " " << step.wParam;
  }
}

TEST_F(Scroller, InsertingAndDeletingMovesTheShownRowsAndAsksForTheChangedOnes) {
  send(SCM_SETROWCOUNT, 5);
  handleQueue();
  send(SCM_INVERTROWS, 0, MAKELPARAM(4, 3));
  EXPECT_TRUE(send(SCM_ISROWHIGHLIGHTED, 3));
  EXPECT_TRUE(send(SCM_ISROWHIGHLIGHTED, 4));
  EXPECT_FALSE(send(SCM_ISROWHIGHLIGHTED, 1)) << "row 1 is not part of the range";
  events().clear();
  send(SCM_DELETEROWS, 0, MAKELPARAM(0, 0));
  EXPECT_EQ(rowText(0), u"row 1") << "rows after the deleted one move up at once";
  EXPECT_TRUE(send(SCM_ISROWHIGHLIGHTED, 3)) << "the highlight moved up with its row";
  EXPECT_EQ(rowText(rowsInView - 1), u"") << "the row that came into view is empty until asked for";
  send(SCM_INSERTROWS, 1, 1);
  EXPECT_EQ(rowText(1), u"") << "the new row";
  EXPECT_EQ(rowText(2), u"row 2") << "moved down again";
  EXPECT_TRUE(send(SCM_ISROWHIGHLIGHTED, 4));
  handleQueue();
  EXPECT_EQ(events(), asked(0, rowsInView - 1)) << "from the deleted row on, each row is asked for once";
  EXPECT_EQ(rowText(1), u"row 1");
}

TEST_F(Scroller, ShowRowScrollsTheLeastNeededAndTheRowsFollow) {
  send(SCM_SETROWCOUNT, 20);
  handleQueue();
  for (const auto& [row, top] : {std::pair{3, 0}, {10, 6}, {8, 6}, {2, 2}, {-1, 2}}) {
    events().clear();
    const LRESULT topBefore = send(SCM_GETTOPROW);
    send(SCM_SHOWROW, static_cast<WPARAM>(row));
    EXPECT_EQ(send(SCM_GETTOPROW), top) << "row " << row;
    EXPECT_EQ(send(SCM_ISROWVISIBLE, static_cast<WPARAM>(row)), row >= 0) << "row " << row;
    EXPECT_FALSE(send(SCM_ISROWVISIBLE, static_cast<WPARAM>(top + rowsInView)));
    RECT place{};
    EXPECT_EQ(send(LB_GETITEMRECT, static_cast<WPARAM>(top + 1), reinterpret_cast<LPARAM>(&place)), TRUE);
    EXPECT_EQ(place.top, QXSCROLLER_ROW_HEIGHT) << "the second row in view";
    handleQueue();
    EXPECT_EQ(events(), top == topBefore ? Strings{} : asked(top, top + rowsInView - 1)) << "row " << row;
  }
  RECT place{};
  EXPECT_EQ(send(LB_GETITEMRECT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&place)), LB_ERR);
}

TEST_F(Scroller, TextsLongerThanTheScrollerKeepsAreCut) {
  answerForEveryRow() = std::u16string(QXSCROLLER_ROWTEXT_CAPACITY + 10, u'x');
  UpdateWindow(scroller);
  EXPECT_EQ(rowText(0), answerForEveryRow().substr(0, QXSCROLLER_ROWTEXT_CAPACITY - 1));
}

TEST_F(ScrollerUser, ClicksAndKeysNotifyTheParentWithTheirRows) {
  user.clickRow(scrollerId, 2).clickRow(scrollerId, 3, true).press(VK_DOWN).press(VK_UP, true);
  user.clickRow(scrollerId, 1).clickRow(scrollerId, 1).click(IDOK);
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_INITDIALOG) SendDlgItemMessageW(dialog, scrollerId, SCM_SETROWCOUNT, 4, 0);
    if (message == WM_COMMAND && HIWORD(wParam) == SCN_GETROWTEXT) return TRUE;
    return scrollerParent(dialog, message, wParam, lParam);
  };
  EXPECT_EQ(run(procedure), IDOK);
  EXPECT_EQ(events(), (Strings{"focus -1", "click 2", "shift click 3", "key 4", "shift key 3", "click 1",
                               "double click 1", "leave -1"}));
}

TEST_F(ScrollerUser, ARowOutOfViewCannotBeClicked) {
  user.clickRow(scrollerId, rowsInView).click(IDOK);
  EXPECT_EQ(run(scrollerParent), IDOK);
  EXPECT_EQ(user.takeFailures(),
            Strings{"the script clicks row " + std::to_string(rowsInView) + " of control 41, which does not show that row"});
  EXPECT_EQ(events(), (Strings{"focus -1", "text 0", "text 1", "text 2", "text 3", "text 4", "leave -1"}));
}

}  // namespace
}  // namespace dsuptest
