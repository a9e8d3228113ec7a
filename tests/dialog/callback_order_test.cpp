// What the driver is told, and in which order, for the common things a user does in a standard
// dialog. Each row is a user's story after typing "12" into field A, and the calls of the
// driver's callbacks that it brings after the two changes of A. The driver's command callback
// ends the dialog for Cancel only, and notes where the focus is when the keep-focus button is
// reported.
#include "dialog/standard_dialog_fixture.h"

namespace dsuptest {

namespace {

struct UserStory {
  const char* story;
  LONG enterButtonId;
  std::function<void(sim::ScriptedUser&)> act;
  Calls expected;
};

void PrintTo(const UserStory& story, std::ostream* out) { *out << story.story; }

class CallbackOrder : public StandardDialogTest, public ::testing::WithParamInterface<UserStory> {
 protected:
  void SetUp() override {
    StandardDialogTest::SetUp();
    addMethodTemplate();
  }
};

TEST_P(CallbackOrder, DriverIsToldInTheOrderOfTheUsersActions) {
  const UserStory& story = GetParam();
  behaviour.onCommand = [&](HWND, int id) {
    if (id == buttonK) calls.push_back("focus in " + std::to_string(focusedId()));
    return id == IDCANCEL;
  };
  // In one story the keep-focus button reports a click of its own (as a shortcut key would make
  // it) while the user is still in A.
  behaviour.onFieldChange = [&](HWND dialog, int id) {
    if (story.enterButtonId == -2 && id == fieldA && itemText(dialog, fieldA) == u"12")
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonK)));
  };
  user.type(u"12");
  story.act(user);
  const LONG enterButtonId = story.enterButtonId == -2 ? 0 : story.enterButtonId;
  EXPECT_EQ(run(methodDialog, {enterButtonId, 0, buttonK}), 0);
  Calls expected{"change 101", "change 101"};
  expected.insert(expected.end(), story.expected.begin(), story.expected.end());
  EXPECT_EQ(calls, expected);
}

using User = sim::ScriptedUser;

INSTANTIATE_TEST_SUITE_P(
    Stories, CallbackOrder,
    ::testing::Values(
        UserStory{"types into A", 0, [](User& u) { u.type(u"3").escape(); }, {"change 101", "command 2"}},
        UserStory{"moves into the combo box and chooses an item",
                  0,
                  [](User& u) { u.chooseComboItem(comboC, 1).escape(); },
                  {"check 0x100 101 103", "command 103", "command 2"}},
        UserStory{"tabs to field B", 0, [](User& u) { u.tab().escape(); }, {"check 0x100 101 102", "command 2"}},
        UserStory{"clicks an ordinary button",
                  0,
                  [](User& u) { u.click(buttonX).escape(); },
                  {"check 0x200 101 101", "command 200", "command 2"}},
        UserStory{"presses Enter with an Enter button",
                  buttonE,
                  [](User& u) { u.enter().escape(); },
                  {"check 0x0 101 0", "command 1003", "command 2"}},
        UserStory{"clicks OK in a dialog with an Enter button: a click is OK itself",
                  buttonE,
                  [](User& u) { u.click(IDOK).escape(); },
                  {"check 0x200 101 101", "command 1", "command 2"}},
        UserStory{"presses Enter without an Enter button",
                  0,
                  [](User& u) { u.enter().escape(); },
                  {"check 0x0 101 0", "command 1", "command 2"}},
        UserStory{"presses Enter with OK as the Enter button",
                  1,
                  [](User& u) { u.enter().escape(); },
                  {"check 0x0 101 0", "command 1", "command 2"}},
        UserStory{"presses Enter with Cancel made the default button (it only looks like one)",
                  -1,
                  [](User& u) { u.enter().escape(); },
                  {"check 0x0 101 0", "command 65535", "command 2"}},
        UserStory{"clicks Cancel", 0, [](User& u) { u.click(IDCANCEL); }, {"command 2"}},
        UserStory{"presses Escape", 0, [](User& u) { u.escape(); }, {"command 2"}},
        UserStory{"clicks a check-free button", 0, [](User& u) { u.click(buttonF).escape(); },
                  {"command 30010", "command 2"}},
        UserStory{"goes back with Shift+Tab to Cancel, which starts no check", 0,
                  [](User& u) { u.shiftTab().escape(); }, {"command 2"}},
        UserStory{"clicks the button 8191: taking the focus starts no check, the click does",
                  0,
                  [](User& u) { u.click(button8191).escape(); },
                  {"check 0x0 101 0", "command 8191", "command 2"}},
        UserStory{"clicks the keep-focus button",
                  0,
                  [](User& u) { u.click(buttonK).escape(); },
                  {"check 0x200 101 101", "command 201", "focus in 101", "command 2"}},
        UserStory{"is still in A when the keep-focus button reports a click",
                  -2,
                  [](User& u) { u.escape(); },
                  {"command 201", "focus in 101", "command 2"}}),
    [](const ::testing::TestParamInfo<UserStory>& info) { return "Story" + std::to_string(info.index); });

}  // namespace

}  // namespace dsuptest
