// The scripted user (sim/scripted_user.h): the input source of its thread, playing one action
// each time a message loop waits.
#include "sim/scripted_user.h"

#include <windows.h>

#include <variant>

#include "sim/clock.h"
#include "sim/trace.h"
#include "sim/trace_recorder.h"
#include "user/control_metrics.h"
#include "user/input.h"
#include "user/input_source.h"
#include "user/message_box.h"
#include "user/window.h"
#include "user/window_classes.h"
#include "user/window_description.h"

namespace sim {

namespace {

using namespace qxplatform::user;
using namespace script;

void tapKey(WORD virtualKey, char16_t character = 0) {
  queueKey(virtualKey, true, character);
  queueKey(virtualKey, false, character);
}

void clickAt(HWND window, int x, int y, WPARAM keys = 0) {
  queueMouse(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON | keys);
  queueMouse(window, WM_LBUTTONUP, x, y, keys);
}

}  // namespace

struct ScriptedUser::Player final : InputSource {
  explicit Player(Script& script) : actions(script) { previous = setInputSource(this); }
  ~Player() override { setInputSource(previous); }
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  Script& actions;
  InputSource* previous = nullptr;
  HWND activeBeforeSwitch = nullptr;
  std::vector<std::u16string> answered;

  bool act(HWND loopWindow) override {
    const bool messageBoxWaits = loopWindow && isMessageBox(loopWindow);
    if (actions.empty()) {
      qxplatform::recordFailure("the script ended while " + describeWindow(loopWindow) + " was waiting for input");
      return false;
    }
    const Action action = actions.front();
    const bool isAnswer = std::holds_alternative<AnswerMessageBox>(action);
    if (messageBoxWaits != isAnswer && !std::holds_alternative<Look>(action)) {
      qxplatform::recordFailure(isAnswer ? "the script answers a message box, but " + describeWindow(loopWindow) +
                                               " is waiting for input"
                                         : describeWindow(loopWindow) + " was shown, but the script's next action is " +
                                               nameOf(action));
      return false;
    }
    actions.pop_front();
    return std::visit([&](const auto& a) { return play(a, loopWindow); }, action);
  }

  // The dialog that the user looks at: the one whose loop waits, or the active window.
  static HWND dialogOf(HWND loopWindow) { return loopWindow ? loopWindow : GetActiveWindow(); }

  static HWND control(HWND loopWindow, int id, const char* what) {
    const HWND dialog = dialogOf(loopWindow);
    const HWND found = dialog ? GetDlgItem(dialog, id) : nullptr;
    if (!found)
      qxplatform::recordFailure(std::string("the script ") + what + " control " + std::to_string(id) +
                                ", which " + describeWindow(dialog) + " does not have");
    return found;
  }

  bool play(const TypeText& a, HWND) {
    for (char16_t c : a.text) {
      if (c == u'\b')
        tapKey(VK_BACK);
      else
        tapKey(VK_PACKET, c);
    }
    return true;
  }

  bool play(const PasteText& a, HWND) {
    setClipboardText(a.text);
    queueKey(VK_CONTROL, true);
    tapKey('V');
    queueKey(VK_CONTROL, false);
    return true;
  }

  bool play(const PressKey& a, HWND) {
    if (a.withShift) queueKey(VK_SHIFT, true);
    tapKey(static_cast<WORD>(a.virtualKey));
    if (a.withShift) queueKey(VK_SHIFT, false);
    return true;
  }

  // The window that a click at a client point of `window` reaches: the deepest visible child
  // under the point; a disabled window takes no mouse input, the click reaches the window beneath.
  // The point is made relative to the window found.
  static HWND windowAt(HWND window, int& x, int& y) {
    for (bool descended = true; descended;) {
      descended = false;
      for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const Window* c = lookUpWindow(child);
        if (c && (c->style & WS_VISIBLE) && x >= c->x && x < c->x + c->width && y >= c->y && y < c->y + c->height) {
          x -= c->x;
          y -= c->y;
          window = child;
          descended = true;
          break;
        }
      }
    }
    for (const Window* w = lookUpWindow(window); w && w->isChild() && (w->style & WS_DISABLED);
         w = lookUpWindow(window)) {
      x += w->x;
      y += w->y;
      window = w->parent;
    }
    return window;
  }

  bool play(const Click& a, HWND loopWindow) {
    const HWND target = control(loopWindow, a.controlId, "clicks");
    if (!target) return true;
    RECT area;
    GetClientRect(target, &area);
    int x = area.right / 2, y = area.bottom / 2;
    const HWND receiver = windowAt(target, x, y);
    clickAt(receiver, x, y);
    return true;
  }

  bool play(const ChooseComboItem& a, HWND loopWindow) {
    const HWND combo = control(loopWindow, a.controlId, "chooses an item of");
    if (!combo) return true;
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (!isOfClass(combo, comboBoxClass) || a.index < 0 || a.index >= count) {
      qxplatform::recordFailure("the script chooses item " + std::to_string(a.index) + " of control " +
                                std::to_string(a.controlId) + ", which is no combo box with that item");
      return true;
    }
    RECT area;
    GetClientRect(combo, &area);
    const LONG type = GetWindowLongPtrW(combo, GWL_STYLE) & 3;
    if (type != CBS_SIMPLE) clickAt(combo, area.right - comboButtonWidth / 2, comboFieldHeight / 2);
    clickAt(combo, area.right / 2, comboFieldHeight + a.index * rowHeight + rowHeight / 2);
    return true;
  }

  bool play(const ClickRow& a, HWND loopWindow) {
    const HWND list = control(loopWindow, a.controlId, "clicks a row of");
    if (!list) return true;
    RECT row{}, area{};
    GetClientRect(list, &area);
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(a.row), reinterpret_cast<LPARAM>(&row)) == LB_ERR ||
        row.top >= row.bottom || row.top < area.top || row.bottom > area.bottom) {
      qxplatform::recordFailure("the script clicks row " + std::to_string(a.row) + " of control " +
                                std::to_string(a.controlId) + ", which does not show that row");
      return true;
    }
    if (a.extend) queueKey(VK_SHIFT, true);
    clickAt(list, (row.left + row.right) / 2, (row.top + row.bottom) / 2, a.extend ? MK_SHIFT : 0);
    if (a.extend) queueKey(VK_SHIFT, false);
    return true;
  }

  bool play(const Look& a, HWND loopWindow) {
    a.at(dialogOf(loopWindow));
    return true;
  }

  bool play(const AnswerMessageBox& a, HWND loopWindow) {
    const HWND button = GetDlgItem(loopWindow, a.button);
    if (!button) {
      qxplatform::recordFailure("the script answers " + describeWindow(loopWindow) + " with button " +
                                std::to_string(a.button) + ", which it does not have");
      return false;
    }
    answered.push_back(messageBoxText(loopWindow));
    RECT area;
    GetClientRect(button, &area);
    clickAt(button, area.right / 2, area.bottom / 2);
    return true;
  }

  bool play(const Wait& a, HWND) {
    advanceTime(a.milliseconds);
    return true;
  }

  bool play(const SwitchAway&, HWND) {
    activeBeforeSwitch = GetActiveWindow();
    SetActiveWindow(nullptr);
    return true;
  }

  bool play(const SwitchBack&, HWND loopWindow) {
    const HWND back = IsWindow(activeBeforeSwitch) ? activeBeforeSwitch : loopWindow;
    if (back) SetActiveWindow(back);
    return true;
  }
};

ScriptedUser::ScriptedUser() : player_(std::make_unique<Player>(script_)) {}

ScriptedUser::~ScriptedUser() = default;

std::vector<std::string> ScriptedUser::takeFailures() { return sim::takeFailures(); }

std::vector<std::u16string> ScriptedUser::answeredMessageBoxes() const { return player_->answered; }

}  // namespace sim
