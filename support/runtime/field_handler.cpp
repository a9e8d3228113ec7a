// The field handler of the run-time entries: "Off" typed into the stop or post time field, or a
// time checked against its limits, recorded in the driver's DSupRunTimeData.
#include <dsup.h>

#include <cstddef>
#include <iterator>

#include "runtime/run_time_entries.h"
#include "runtime/stop_time_warning.h"
#include "validation/field_text.h"

namespace dsup::runtime {

namespace {

struct Limits {
  double minimum, maximum;
};

WCHAR lowerCase(WCHAR unit) {
  return unit >= TEXT('A') && unit <= TEXT('Z') ? static_cast<WCHAR>(unit - TEXT('A') + TEXT('a')) : unit;
}

// The field holds "Off" in any case, with blanks around it. The whole text is read as the field
// checks read it: a text that begins with Off and goes on after blanks is no "Off".
bool typedOff(HWND dialog, int field) {
  constexpr WCHAR off[] = TEXT("off");
  const validation::FieldEntry entry = validation::readFieldText(dialog, field);
  for (std::size_t i = 0; i < std::size(off); ++i)
    if (lowerCase(entry.text[i]) != off[i]) return false;
  return true;
}

// Turns the stop time "Off": from its number field the toggle steps on to "Off" in every mode.
void turnStopTimeOff(HWND dialog, DSupRunTimeData& times) {
  times.stopTime = stopTimeOff;
  times.stopState = stopShowsNumber;
  DSupDlgRunTimeEntryToggle(dialog, DSUP_STOPTIME_ENTRY, stepForward, &times);
}

void turnPostTimeOff(HWND dialog, DSupRunTimeData& times) {
  times.postTime = postTimeOff;
  DSupDlgRunTimeEntryToggle(dialog, DSUP_POSTTIME_ENTRY, stepForward, &times);
}

BOOL handleStopTime(HWND dialog, WORD message, double maximum, INT digits, WORD warningMessage,
                    DSupRunTimeData& times) {
  if (typedOff(dialog, IDC_STOPTIME)) {
    turnStopTimeOff(dialog, times);
    return TRUE;
  }
  if (!DSupCheckDialogFloat(dialog, IDC_STOPTIME, message, smallestStopTime, maximum, FALSE, 0, &times.stopTime,
                            nullptr, 0, digits))
    return FALSE;
  if (times.stopTime <= shownAsOff) {
    times.stopTime = stopTimeOff;
    DSupSetFloatField(dialog, IDC_STOPTIME, times.stopTime, digits);
    if (times.stopState != stopShowsOff) turnStopTimeOff(dialog, times);
  }
  if (times.stopMode == modeRoundAllCompared && times.compareTime > 0 && times.compareTime < times.stopTime &&
      times.stopState == stopShowsNumber)
    warnAboveCompareTime(dialog, warningMessage);
  return TRUE;
}

BOOL handlePostTime(HWND dialog, WORD message, Limits limits, INT digits, DSupRunTimeData& times) {
  if (typedOff(dialog, IDC_POSTTIME)) {
    turnPostTimeOff(dialog, times);
    return TRUE;
  }
  if (!DSupCheckDialogFloat(dialog, IDC_POSTTIME, message, limits.minimum, limits.maximum, FALSE, 0, &times.postTime,
                            nullptr, 0, digits))
    return FALSE;
  if (times.postTime <= shownAsOff) turnPostTimeOff(dialog, times);
  return TRUE;
}

}  // namespace

}  // namespace dsup::runtime

using namespace dsup::runtime;

extern "C" DSUP_API BOOL DSUP_CALL DSupDlgRunTimeFieldHandler(HWND dialog, WORD field, LONG, FLOAT stopMaximum,
                                                              FLOAT postMinimum, FLOAT postMaximum, INT digits,
                                                              DSupRunTimeData* times, WORD stopMessage,
                                                              WORD postMessage, WORD warningMessage) noexcept {
  if (!times) return FALSE;
  if (field == IDC_STOPTIME) return handleStopTime(dialog, stopMessage, stopMaximum, digits, warningMessage, *times);
  if (field == IDC_POSTTIME) return handlePostTime(dialog, postMessage, {postMinimum, postMaximum}, digits, *times);
  return FALSE;
}
