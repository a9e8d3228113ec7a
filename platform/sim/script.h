// The actions of a scripted user as data: what the person does, named by control ids, apart from
// the backend that plays them (sim/scripted_user.h). Compiles for the simulated platform and for
// Windows; the actions after the first group exist only where the platform layer is simulated.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <variant>

namespace sim::script {

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
struct AnswerMessageBox {
  int button;
};
struct Wait {
  std::uint32_t milliseconds;
};
struct ClickRow {
  int controlId;
  int row;
  bool extend;
};
struct Look {
  std::function<void(HWND)> at;
};

inline const char* nameOf(const TypeText&) { return "typing"; }
inline const char* nameOf(const PasteText&) { return "a paste"; }
inline const char* nameOf(const PressKey&) { return "a key press"; }
inline const char* nameOf(const Click&) { return "a click"; }
inline const char* nameOf(const ChooseComboItem&) { return "a combo box choice"; }
inline const char* nameOf(const AnswerMessageBox&) { return "an answer"; }
inline const char* nameOf(const Wait&) { return "a wait"; }
inline const char* nameOf(const ClickRow&) { return "a row click"; }
inline const char* nameOf(const Look&) { return "a look"; }

#ifndef _WIN32
// The other application exists only on the simulated platform.
struct SwitchAway {};
struct SwitchBack {};

inline const char* nameOf(const SwitchAway&) { return "a switch to another application"; }
inline const char* nameOf(const SwitchBack&) { return "a switch back"; }
#endif

using Action = std::variant<TypeText, PasteText, PressKey, Click, ChooseComboItem, AnswerMessageBox, Wait, ClickRow, Look
#ifndef _WIN32
                            ,
                            SwitchAway, SwitchBack
#endif
                            >;

// The action's name in failures: "a click", "an answer" ...
inline const char* nameOf(const Action& action) {
  return std::visit([](const auto& a) { return nameOf(a); }, action);
}

// The actions not played yet, the next one first.
using Script = std::deque<Action>;

}  // namespace sim::script
