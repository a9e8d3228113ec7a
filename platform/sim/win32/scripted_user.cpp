// The scripted user on Windows (sim/scripted_user.h): the script played with real input.
//
// A timer of the thread (null window) ticks every tickInterval. A modal loop takes a tick only when
// it has nothing else queued; a loop that takes messages by range (such as the deferred field
// check of standard dialogs, which leaves the input queued) may take it earlier, so a tick also
// checks that no input, posted message or painting waits. A tick that finds a modal dialog or
// message box of the thread active, shown and in front then finds it idle, with the input of the
// previous action handled (Wine queues SendInput's events at once). The same window must be found
// so on two ticks in a row: a message box that has just been ended hands the front back to its
// owner while its own loop still takes a last tick, and the code that showed it may go on to show
// another one. The user then plays the next action: keys and clicks through
// SendInput, so that the messages posted meanwhile are taken before the rest of the input as in
// Win32; a message box is answered by posting it the button's WM_COMMAND.
#include "sim/scripted_user.h"

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <variant>

#include "sim/win32/dialog_watchdog.h"
#include "sim/win32/modal_windows.h"
#include "sim/win32/own_desktop.h"
#include "sim/win32/real_input.h"

namespace sim {

namespace {

using namespace win32;
using namespace script;

constexpr UINT tickInterval = 10;    // milliseconds
constexpr UINT inFrontLimit = 2000;  // milliseconds that an active modal window may take to come to the front

// The last click of the program, so that a click at the same point of another control (the next
// dialog of a test, or of the next test) is not taken for a double click.
struct LastClick {
  POINT point;
  HWND target;
  ULONGLONG time;
};

}  // namespace

struct ScriptedUser::Player {
  explicit Player(Script& script) : actions(script) {
    if (!moveToOwnDesktop()) failures.push_back("the test program could not move to a desktop of its own");
    watchdog = std::make_unique<DialogWatchdog>();
    timer = SetTimer(nullptr, 0, tickInterval, onTick);
    if (!timer) failures.push_back("no timer for the scripted user");
    previous = std::exchange(current, this);
  }
  ~Player() {
    current = previous;
    KillTimer(nullptr, timer);
  }
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  static thread_local Player* current;

  Script& actions;
  std::vector<std::string> failures;
  std::vector<std::u16string> answered;
  std::unique_ptr<DialogWatchdog> watchdog;
  UINT_PTR timer = 0;
  Player* previous = nullptr;
  ULONGLONG resumeAt = 0;  // GetTickCount64 before which a wait lasts
  UINT ticksNotInFront = 0;
  HWND seenWaiting = nullptr;  // the window found waiting at the last tick
  bool listOpened = false;     // chooseComboItem: the first click opened the list
  static inline LastClick lastClick{};

  static void CALLBACK onTick(HWND, UINT, UINT_PTR timerId, DWORD) {
    if (current && timerId == current->timer) current->tick();
  }

  void tick() {
    if (HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_PAINT)) != 0) return;
    const HWND waiting = modalWindowOfThread();
    if (std::exchange(seenWaiting, waiting) != waiting) return;
    if (!waiting) {
      ticksNotInFront = 0;
      return;
    }
    if (!isInFront(waiting)) {
      if (++ticksNotInFront * tickInterval < inFrontLimit) return;
      fail(describeWindow(waiting) + " did not come to the front");
      end(waiting);
      return;
    }
    ticksNotInFront = 0;
    if (GetTickCount64() < resumeAt) return;
    if (actions.empty()) {
      fail("the script ended while " + describeWindow(waiting) + " was waiting for input");
      end(waiting);
      return;
    }
    const bool isAnswer = std::holds_alternative<AnswerMessageBox>(actions.front());
    if (isMessageBox(waiting) != isAnswer && !std::holds_alternative<Look>(actions.front())) {
      fail(isAnswer
               ? "the script answers a message box, but " + describeWindow(waiting) + " is waiting for input"
               : describeWindow(waiting) + " was shown, but the script's next action is " + nameOf(actions.front()));
      end(waiting);
      return;
    }
    if (std::visit([&](const auto& action) { return play(action, waiting); }, actions.front())) {
      actions.pop_front();
      listOpened = false;
    }
  }

  void fail(std::string what) { failures.push_back(std::move(what)); }

  // Ends the waiting dialog as the simulated platform does when the script fails there.
  static void end(HWND waiting) { EndDialog(waiting, isMessageBox(waiting) ? 0 : -1); }

  template <typename PlayedAction>
  void sent(bool taken, const PlayedAction& action) {
    if (!taken) fail(std::string("SendInput did not take ") + nameOf(action));
  }

  HWND control(HWND dialog, int id, const char* what) {
    const HWND found = GetDlgItem(dialog, id);
    if (!found)
      fail(std::string("the script ") + what + " control " + std::to_string(id) + ", which " + describeWindow(dialog) +
           " does not have");
    return found;
  }

  // Each play function returns true when the action is done, false when it needs another tick.
  bool play(const TypeText& a, HWND) {
    sent(typeCharacters(a.text), a);
    return true;
  }

  bool play(const PasteText& a, HWND dialog) {
    if (!putOnClipboard(dialog, a.text)) {
      fail("the clipboard could not take the text to paste");
      return true;
    }
    sent(pressKey('V', {VK_CONTROL}), a);
    return true;
  }

  bool play(const PressKey& a, HWND) {
    const auto key = static_cast<WORD>(a.virtualKey);
    sent(a.withShift ? pressKey(key, {VK_SHIFT}) : pressKey(key), a);
    return true;
  }

  bool play(const Click& a, HWND dialog) {
    const HWND target = control(dialog, a.controlId, "clicks");
    if (!target) return true;
    RECT area;
    GetWindowRect(target, &area);
    POINT point{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    if (!clickApartFromTheLast(point, target, area)) return false;
    sent(clickAt(point), a);
    return true;
  }

  // Moves `point` within `area` out of the double-click rectangle of the last click when that was
  // on another window within the double-click time; false (try again at a later tick) when the
  // area leaves no room.
  static bool clickApartFromTheLast(POINT& point, HWND target, const RECT& area) {
    const ULONGLONG now = GetTickCount64();
    const int apart = GetSystemMetrics(SM_CXDOUBLECLK) + 1;
    if (lastClick.target != target && now - lastClick.time <= GetDoubleClickTime() &&
        std::abs(point.x - lastClick.point.x) < apart && std::abs(point.y - lastClick.point.y) < apart) {
      point.x = lastClick.point.x + apart <= area.right - 1 ? lastClick.point.x + apart : lastClick.point.x - apart;
      if (point.x < area.left) return false;
    }
    lastClick = {point, target, now};
    return true;
  }

  bool play(const ChooseComboItem& a, HWND dialog) {
    const HWND combo = control(dialog, a.controlId, "chooses an item of");
    if (!combo) return true;
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    if (!hasClass(combo, L"ComboBox") || !GetComboBoxInfo(combo, &parts) || a.index < 0 || a.index >= count) {
      fail("the script chooses item " + std::to_string(a.index) + " of control " + std::to_string(a.controlId) +
           ", which is no combo box with that item");
      return true;
    }
    if (!listOpened && (GetWindowLongW(combo, GWL_STYLE) & 3) != CBS_SIMPLE) {
      POINT button{(parts.rcButton.left + parts.rcButton.right) / 2, (parts.rcButton.top + parts.rcButton.bottom) / 2};
      ClientToScreen(combo, &button);
      sent(clickAt(button), a);
      lastClick = {button, combo, GetTickCount64()};
      listOpened = true;
      return false;
    }
    RECT item, list;
    GetClientRect(parts.hwndList, &list);
    if (!IsWindowVisible(parts.hwndList) ||
        SendMessageW(parts.hwndList, LB_GETITEMRECT, a.index, reinterpret_cast<LPARAM>(&item)) == LB_ERR ||
        item.top < list.top || item.bottom > list.bottom) {
      fail("the list of combo box " + std::to_string(a.controlId) + " does not show item " + std::to_string(a.index));
      return true;
    }
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(parts.hwndList, &centre);
    sent(clickAt(centre), a);
    lastClick = {centre, parts.hwndList, GetTickCount64()};
    return true;
  }

  bool play(const ClickRow& a, HWND dialog) {
    const HWND list = control(dialog, a.controlId, "clicks a row of");
    if (!list) return true;
    RECT row{}, area{};
    GetClientRect(list, &area);
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(a.row), reinterpret_cast<LPARAM>(&row)) == LB_ERR ||
        row.top >= row.bottom || row.top < area.top || row.bottom > area.bottom) {
      fail("the script clicks row " + std::to_string(a.row) + " of control " + std::to_string(a.controlId) +
           ", which does not show that row");
      return true;
    }
    POINT centre{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(list, &centre);
    sent(a.extend ? clickAt(centre, {VK_SHIFT}) : clickAt(centre), a);
    return true;
  }

  bool play(const Look& a, HWND waiting) {
    a.at(waiting);
    return true;
  }

  bool play(const AnswerMessageBox& a, HWND box) {
    const HWND button = GetDlgItem(box, a.button);
    if (!button) {
      fail("the script answers " + describeWindow(box) + " with button " + std::to_string(a.button) +
           ", which it does not have");
      end(box);
      return true;
    }
    answered.push_back(messageBoxText(box));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(a.button, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
  }

  bool play(const Wait& a, HWND) {
    resumeAt = GetTickCount64() + a.milliseconds;
    return true;
  }
};

thread_local ScriptedUser::Player* ScriptedUser::Player::current = nullptr;

ScriptedUser::ScriptedUser() : player_(std::make_unique<Player>(script_)) {}

ScriptedUser::~ScriptedUser() = default;

std::vector<std::string> ScriptedUser::takeFailures() { return std::exchange(player_->failures, {}); }

std::vector<std::u16string> ScriptedUser::answeredMessageBoxes() const { return player_->answered; }

}  // namespace sim
