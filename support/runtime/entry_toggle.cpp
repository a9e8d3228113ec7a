// The toggle of the run-time entries: the stop time steps through the presentations of its stop
// mode, the post time switches between its number field and "Off"; only the controls of the
// presentation reached are shown.
#include <dsup.h>

#include <optional>

#include "runtime/run_time_entries.h"

namespace dsup::runtime {

namespace {

constexpr WORD lastStepCode = 3;

void showControl(HWND dialog, int id, int command) {
  if (const HWND control = GetDlgItem(dialog, id)) ShowWindow(control, command);
}

bool stepsForward(WORD stepCode) { return stepCode == 1 || stepCode == 3; }

// The state that one step reaches in `mode`; none for a mode outside 1 to 5. A state outside 1 to
// 3 steps forward to 1, and back to 3 from 1 or less.
std::optional<LONG> steppedState(LONG mode, LONG state, WORD stepCode) {
  switch (mode) {
    case modeRoundAll:
    case modeRoundAllCompared:
      if (stepsForward(stepCode)) return state >= stopShowsAlternate ? stopShowsNumber : state + 1;
      return state <= stopShowsNumber ? stopShowsAlternate : state - 1;
    case modeNumberOrOff:
    case modeNumberOrOffAlso:
      return state == stopShowsOff ? stopShowsNumber : stopShowsOff;
    case modeOffOrAlternate:
      return state == stopShowsOff ? stopShowsAlternate : stopShowsOff;
    default:
      return std::nullopt;
  }
}

bool keepsAlternateFlag(LONG mode) { return mode == modeNumberOrOff || mode == modeNumberOrOffAlso; }

void toggleStopTime(HWND dialog, WORD stepCode, DSupRunTimeData& times) {
  
  if (stepCode > lastStepCode) return;
  const std::optional<LONG> state = steppedState(times.stopMode, times.stopState, stepCode);
  if (!state) return;
  times.stopState = *state;
  DSupDlgStopTimeHideAll(dialog);
  // Modes 2 and 5 never reach the alternate pair.
  const bool alternate = *state == stopShowsAlternate;
  if (*state == stopShowsNumber) {
    showControl(dialog, IDC_STOPTIME, SW_SHOW);
  } else if (alternate) {
    showControl(dialog, IDC_STOPTIME_ALT1, SW_SHOW);
    showControl(dialog, IDC_STOPTIME_ALT2, SW_SHOW);
  } else {
    showControl(dialog, IDC_STOPTIME_OFF, SW_SHOW);
  }
  if (!keepsAlternateFlag(times.stopMode)) times.stopAlternate = alternate ? 1 : 0;
}

void togglePostTime(HWND dialog, DSupRunTimeData& times) {
  const bool wasOff = times.postOff == 1;
  showControl(dialog, IDC_POSTTIME_OFF, wasOff ? SW_HIDE : SW_SHOW);
  showControl(dialog, IDC_POSTTIME, wasOff ? SW_SHOW : SW_HIDE);
  times.postOff = wasOff ? 0 : 1;
}

}  // namespace

}  // namespace dsup::runtime

using namespace dsup::runtime;

extern "C" DSUP_API void DSUP_CALL DSupDlgStopTimeHideAll(HWND dialog) noexcept {
  for (const int id : {IDC_STOPTIME, IDC_STOPTIME_OFF, IDC_STOPTIME_ALT1, IDC_STOPTIME_ALT2})
    showControl(dialog, id, SW_HIDE);
}

extern "C" DSUP_API void DSUP_CALL DSupDlgRunTimeEntryToggle(HWND dialog, LONG entry, WORD stepCode,
                                                             DSupRunTimeData* times) noexcept {
  if (!times) return;
  if (entry == DSUP_STOPTIME_ENTRY) toggleStopTime(dialog, stepCode, *times);
  if (entry == DSUP_POSTTIME_ENTRY) togglePostTime(dialog, *times);
}
