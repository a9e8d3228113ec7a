// The user of a thread as the message loops see it. Where Win32 would wait for input (GetMessageW,
// the loops of modal dialogs and message boxes), the loop asks the thread's input source to act.
// The scripted user of the simulation controls is one.
#pragma once

#include <windows.h>

namespace qxplatform::user {

class InputSource {
 public:
  virtual ~InputSource() = default;

  // Acts once for the loop that waits: queues input, changes the activation or lets time pass.
  // `loopWindow` is the dialog or message box whose loop waits, or null for GetMessageW. Returns
  // false when the user has nothing to do there (after recording why in the trace); the loop then
  // gives up instead of waiting for ever.
  virtual bool act(HWND loopWindow) = 0;
};

// Makes `source` the input source of the calling thread (null: none) and returns the previous one.
InputSource* setInputSource(InputSource* source);

// Lets the thread's input source act for the waiting loop; false (recorded as a failure) when
// there is none or it has nothing to do.
bool waitForInput(HWND loopWindow);

}  // namespace qxplatform::user
