// The driver's own texts that the timetable functions show or use: texts of the dialog's module
// (the instance recorded with the dialog window).
#pragma once

#include <windows.h>

namespace dsup::timetable {

// The numbers of the driver's five texts that the editor's functions are given.
struct DriverTexts {
  WORD endLine;     // the end-of-table line
  WORD clearQuery;  // the question before clearing
  WORD exists;      // the row memory messages of DSupTTGetMemory
  WORD noMemory;
  WORD tooMany;
};

// Characters (terminator included) of a driver's message or question.
inline constexpr int messageCapacity = 149;

// Loads text `number` of the dialog's module into `buffer` (an empty text when there is none).
void loadDriverText(HWND dialog, WORD number, LPWSTR buffer, int capacity);

// Shows text `number` in a warning box owned by the dialog, with an empty caption.
void showDriverWarning(HWND dialog, WORD number);

// Asks text `number` in a box with OK and Cancel (Cancel the default) owned by the dialog, with
// an empty caption; returns the button that closed it.
int askDriverQuestion(HWND dialog, WORD number);

}  // namespace dsup::timetable
