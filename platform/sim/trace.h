// The trace of what the user saw: message boxes (owner, caption, text, style and the answer),
// beeps, focus changes, and the failures of scripted runs (a script that ended while a dialog was
// waiting for input, a message box that the script did not answer, a control that does not
// exist). Tests read it to check what a person would have seen; the base fixture fails a test
// that leaves a failure in it. Process-wide; cleared by resetSimulation().
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "sim_api.h"

namespace sim {

struct MessageBoxRecord {
  HWND owner;  // the top-level window that owned the box, or null
  std::u16string caption;
  std::u16string text;
  UINT style;
  int answer;  // the button that closed the box; 0 when it was not answered
};

struct FocusChange {
  HWND from;  // the window that had the focus (null: none)
  HWND to;    // the window that has it now (null: none)
  int toId;   // the control id of `to`; 0 when it is no control
};

enum class TraceKind { messageBox, beep, focus, failure };

struct TraceEntry {
  TraceKind kind = TraceKind::failure;
  MessageBoxRecord messageBox{};  // kind messageBox
  UINT beep = 0;                  // kind beep: the sound type given to MessageBeep
  FocusChange focus{};            // kind focus
  std::string failure;            // kind failure: what went wrong, in words
};

// Everything recorded since the last clearTrace(), in order.
SIM_API std::vector<TraceEntry> trace();

// The parts of the trace of one kind, in order.
SIM_API std::vector<MessageBoxRecord> messageBoxes();
SIM_API std::vector<UINT> beeps();
SIM_API std::vector<FocusChange> focusChanges();
SIM_API std::vector<std::string> failures();

// Removes the failures from the trace and returns them.
SIM_API std::vector<std::string> takeFailures();

SIM_API void clearTrace();

}  // namespace sim
