// The scripted user (sim/scripted_user.h): the input source of its thread, playing one action
// each time a message loop waits.
#include "sim/scripted_user.h"

#include <windows.h>
#include <qxscroller.h>

#include <deque>
#include <iterator>
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

struct TypeText {
  std::u16string text;
};
struct PasteText {
  std::u16string text;
};
struct PressKey {
  int virtualKey;
  bool withShift;
};
struct Click {
  int controlId;
};
struct ChooseComboItem {
  int controlId;
  int index;
};
struct ClickRow {
  int controlId;
  int row;
  bool extend;
};
struct AnswerMessageBox {
  int button;
};
struct Wait {
  std::uint32_t milliseconds;
};
struct SwitchAway {};
struct SwitchBack {};

using Action = std::variant<TypeText, PasteText, PressKey, Click, ChooseComboItem, ClickRow, AnswerMessageBox, Wait,
                            SwitchAway, SwitchBack>;

const char* nameOf(const Action& action) {
  static constexpr const char* names[] = {"typing",     "a paste",     "a key press",
                                          "a click",    "a combo box choice", "a row click",
                                          "an answer",  "a wait",      "a switch to another application",
                                          "a switch back"};
  static_assert(std::size(names) == std::variant_size_v<Action>);
  return names[action.index()];
}

void tapKey(WORD virtualKey, char16_t character = 0) {
  queueKey(virtualKey, true, character);
  queueKey(virtualKey, false, character);
}

void clickAt(HWND window, int x, int y, WPARAM keys = 0) {
  queueMouse(window, WM_LBUTTONDOWN, x, y, MK_LBUTTON | keys);
  queueMouse(window, WM_LBUTTONUP, x, y, keys);
}

}  // namespace

struct ScriptedUser::Impl final : InputSource {
  std::deque<Action> actions;
  InputSource* previous = nullptr;
  HWND activeBeforeSwitch = nullptr;

  bool act(HWND loopWindow) override {
    const bool messageBoxWaits = loopWindow && isMessageBox(loopWindow);
    if (actions.empty()) {
      qxplatform::recordFailure("the script ended while " + describeWindow(loopWindow) + " was waiting for input");
      return false;
    }
    const Action action = actions.front();
    const bool isAnswer = std::holds_alternative<AnswerMessageBox>(action);
    if (messageBoxWaits != isAnswer) {
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
    const HWND scroller = control(loopWindow, a.controlId, "clicks a row of");
    if (!scroller) return true;
    if (!isOfClass(scroller, scrollerClass) || !SendMessageW(scroller, SCM_ISROWVISIBLE, a.row, 0)) {
      qxplatform::recordFailure("the script clicks row " + std::to_string(a.row) + " of control " +
                                std::to_string(a.controlId) + ", which is no scroller showing that row");
      return true;
    }
    const auto top = static_cast<int>(SendMessageW(scroller, SCM_GETTOPROW, 0, 0));
    if (a.extend) queueKey(VK_SHIFT, true);
    clickAt(scroller, rowHeight / 2, (a.row - top) * rowHeight + rowHeight / 2, a.extend ? MK_SHIFT : 0);
    if (a.extend) queueKey(VK_SHIFT, false);
    return true;
  }

  bool play(const AnswerMessageBox& a, HWND loopWindow) {
    const HWND button = GetDlgItem(loopWindow, a.button);
    if (!button) {
      qxplatform::recordFailure("the script answers " + describeWindow(loopWindow) + " with button " +
                                std::to_string(a.button) + ", which it does not have");
      return false;
    }
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

  ScriptedUser& add(ScriptedUser& user, Action action) {
    actions.push_back(std::move(action));
    return user;
  }
};

ScriptedUser::ScriptedUser() : impl_(std::make_unique<Impl>()) { impl_->previous = setInputSource(impl_.get()); }

ScriptedUser::~ScriptedUser() { setInputSource(impl_->previous); }

ScriptedUser& ScriptedUser::type(std::u16string_view text) { return impl_->add(*this, TypeText{std::u16string(text)}); }
ScriptedUser& ScriptedUser::paste(std::u16string_view text) { return impl_->add(*this, PasteText{std::u16string(text)}); }
ScriptedUser& ScriptedUser::tab() { return press(VK_TAB); }
ScriptedUser& ScriptedUser::shiftTab() { return press(VK_TAB, true); }
ScriptedUser& ScriptedUser::enter() { return press(VK_RETURN); }
ScriptedUser& ScriptedUser::escape() { return press(VK_ESCAPE); }
ScriptedUser& ScriptedUser::press(int virtualKey, bool withShift) { return impl_->add(*this, PressKey{virtualKey, withShift}); }
ScriptedUser& ScriptedUser::click(int controlId) { return impl_->add(*this, Click{controlId}); }
ScriptedUser& ScriptedUser::chooseComboItem(int controlId, int index) {
  return impl_->add(*this, ChooseComboItem{controlId, index});
}
ScriptedUser& ScriptedUser::clickRow(int controlId, int row, bool extend) {
  return impl_->add(*this, ClickRow{controlId, row, extend});
}
ScriptedUser& ScriptedUser::answerMessageBox(int button) { return impl_->add(*this, AnswerMessageBox{button}); }
ScriptedUser& ScriptedUser::wait(std::uint32_t milliseconds) { return impl_->add(*this, Wait{milliseconds}); }
ScriptedUser& ScriptedUser::switchToOtherApplication() { return impl_->add(*this, SwitchAway{}); }
ScriptedUser& ScriptedUser::switchBack() { return impl_->add(*this, SwitchBack{}); }

std::size_t ScriptedUser::pendingActions() const { return impl_->actions.size(); }

std::size_t ScriptedUser::discardPendingActions() {
  const std::size_t discarded = impl_->actions.size();
  impl_->actions.clear();
  return discarded;
}

std::vector<std::string> ScriptedUser::takeFailures() { return sim::takeFailures(); }

}  // namespace sim
