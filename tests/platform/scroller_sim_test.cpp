// The scroller control: rows asked for from the parent when they are painted, the row count,
// inserting and deleting rows, highlights, scrolling, and the notifications of the user's clicks
// and keys with their rows.
#include <qxscroller.h>

#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

constexpr WORD scrollerDialog = 2;
constexpr int scrollerId = 41;

// The parent's side: answers every row text request with "row N" (row 2 highlighted) and logs
// the notifications as "click 3", "text 0" ...
INT_PTR CALLBACK scrollerParent(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND || LOWORD(wParam) != scrollerId) return loggingDialogProc(dialog, message, wParam, lParam);
  const HWND scroller = reinterpret_cast<HWND>(lParam);
  const auto row = static_cast<int>(SendMessageW(scroller, SCM_GETNOTIFYROW, 0, 0));
  static const std::pair<WORD, const char*> names[] = {
      {SCN_SETFOCUS, "focus"},  {SCN_KILLFOCUS, "leave"},   {SCN_CLICK, "click"},    {SCN_SHIFTCLICK, "shift click"},
      {SCN_KEYMOVE, "key"},     {SCN_SHIFTKEYMOVE, "shift key"}, {SCN_GETROWTEXT, "text"}, {SCN_DBLCLK, "double click"}};
  for (const auto& [code, name] : names)
    if (HIWORD(wParam) == code) events().push_back(std::string(name) + " " + std::to_string(row));
  if (HIWORD(wParam) == SCN_GETROWTEXT) {
    const std::u16string text = u"row " + std::u16string(1, static_cast<char16_t>(u'0' + row));
    const LRESULT taken = SendMessageW(scroller, SCM_SETROWTEXT, row == 2, reinterpret_cast<LPARAM>(text.c_str()));
    if (!taken) events().push_back("text refused");
  }
  return TRUE;
}

// The scroller's dialog, run by the scripted user.
class ScrollerUser : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    // 40 dialog units high: 80 pixels, five rows of 16.
    addTemplate(scrollerDialog, {{QXSCROLLER_CLASSNAME, scrollerId, WS_VISIBLE | WS_TABSTOP, nullptr, 0, 0, 80, 40},
                                 {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 90, 0, 40, 14}});
  }
};

// The scroller of a modeless dialog, driven by messages.
class Scroller : public ScrollerUser {
 protected:
  void SetUp() override {
    ScrollerUser::SetUp();
    open(scrollerDialog, scrollerParent, 0);  // the scroller, the first tab stop, takes the focus
    scroller = item(scrollerId);
  }
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(scroller, message, wParam, lParam);
  }
  std::u16string rowText(int row) {
    WCHAR text[QXSCROLLER_ROWTEXT_CAPACITY];
    return send(SCM_GETROWTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text)) < 0 ? u"(out of view)" : text;
  }

  HWND scroller = nullptr;
};

TEST_F(Scroller, RowsInViewAreAskedForInOrderWhenThePaintingComes) {
  EXPECT_TRUE(events().empty()) << "nothing is asked before painting";
  handleQueue();
  EXPECT_EQ(events(), (Strings{"text 0", "text 1", "text 2", "text 3", "text 4"}));
  EXPECT_EQ(rowText(3), u"row 3");
  EXPECT_TRUE(send(SCM_ISROWHIGHLIGHTED, 2));
  EXPECT_FALSE(send(SCM_ISROWHIGHLIGHTED, 3));
  EXPECT_EQ(rowText(5), u"(out of view)");
  EXPECT_FALSE(send(SCM_SETROWTEXT, 0, reinterpret_cast<LPARAM>(u"unasked"))) << "no row was asked for";
  events().clear();
  send(SCM_REDRAWROWS, 0, MAKELPARAM(3, 1));
  EXPECT_TRUE(UpdateWindow(scroller));
  EXPECT_EQ(events(), (Strings{"text 1", "text 2", "text 3"})) << "UpdateWindow paints at once";
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
      {SCM_SETROWCOUNT, 3, 0, 3},        {SCM_INSERTROWS, 1, 0, 4},          {SCM_INSERTROWS, 2, 4, 6},
      {SCM_DELETEROWS, 0, MAKELPARAM(2, 1), 4}, {SCM_DELETEROWS, 0, MAKELPARAM(3, 9), 3},
      {SCM_SETROWCOUNT, static_cast<WPARAM>(-1), 0, 0},
  };
  for (const Step& step : steps) {
    send(step.message, step.wParam, step.lParam);
    EXPECT_EQ(send(SCM_GETROWCOUNT), step.rowCount) << "message " << step.message;
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
  EXPECT_TRUE(send(SCM_ISROWHIGHLIGHTED, 1)) << "the highlight moved up with its row";
  handleQueue();
  EXPECT_EQ(events(), (Strings{"text 0", "text 1", "text 2", "text 3", "text 4"}));
}

TEST_F(Scroller, ShowRowScrollsTheLeastNeeded) {
  send(SCM_SETROWCOUNT, 20);
  for (const auto& [row, top] : {std::pair{3, 0}, {10, 6}, {8, 6}, {2, 2}}) {
    send(SCM_SHOWROW, static_cast<WPARAM>(row));
    EXPECT_EQ(send(SCM_GETTOPROW), top) << "row " << row;
    EXPECT_TRUE(send(SCM_ISROWVISIBLE, static_cast<WPARAM>(row)));
    EXPECT_FALSE(send(SCM_ISROWVISIBLE, static_cast<WPARAM>(top + 5)));
  }
}

TEST_F(ScrollerUser, ClicksAndKeysNotifyTheParentWithTheirRows) {
  user.clickRow(scrollerId, 2).clickRow(scrollerId, 3, true).press(VK_DOWN).press(VK_UP, true);
  user.clickRow(scrollerId, 1).clickRow(scrollerId, 1).click(IDOK);
  const auto procedure = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message == WM_INITDIALOG) SendDlgItemMessageW(dialog, scrollerId, SCM_SETROWCOUNT, 4, 0);
    if (message == WM_COMMAND && HIWORD(wParam) == SCN_GETROWTEXT) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) return EndDialog(dialog, IDOK);
    return scrollerParent(dialog, message, wParam, lParam);
  };
  EXPECT_EQ(runDialog(scrollerDialog, procedure, 0), IDOK);
  EXPECT_EQ(events(), (Strings{"focus -1", "click 2", "shift click 3", "key 4", "shift key 3", "click 1",
                               "double click 1", "leave -1"}));
}

}  // namespace
}  // namespace dsuptest
