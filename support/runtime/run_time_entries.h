// The presentations of the stop time and the values that an entry turned "Off" holds, shared by
// the toggle and the field handler.
#pragma once

#include <windows.h>

namespace dsup::runtime {

// Which presentation of the stop time is shown (stopState).
inline constexpr LONG stopShowsNumber = 1;
inline constexpr LONG stopShowsOff = 2;
inline constexpr LONG stopShowsAlternate = 3;

// Which presentations the stop-time toggle steps through (stopMode).
inline constexpr LONG modeRoundAll = 1;          // number, "Off", the alternate pair
inline constexpr LONG modeNumberOrOff = 2;
inline constexpr LONG modeOffOrAlternate = 3;
inline constexpr LONG modeRoundAllCompared = 4;  // as modeRoundAll, and warned above compareTime
inline constexpr LONG modeNumberOrOffAlso = 5;   // as modeNumberOrOff

// The step code that moves the stop time forward, from its number field on to "Off".
inline constexpr WORD stepForward = 1;

// The smallest stop time; a stop time turned "Off" holds it in single precision.
inline constexpr double smallestStopTime = 0.2;
inline constexpr FLOAT stopTimeOff = static_cast<FLOAT>(smallestStopTime);
inline constexpr FLOAT postTimeOff = 0.01f;
// A time that the field shows as this or less means "Off".
inline constexpr double shownAsOff = 0.005;

}  // namespace dsup::runtime
