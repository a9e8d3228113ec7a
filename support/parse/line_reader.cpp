// DSupReadLineFromFile and DSupReadLineFromFileW. Both read one character per ReadFile call and
// keep no buffer, so that after each call the file position stands right behind the line and the
// caller may mix these calls with reads of its own.
#include <dsup.h>

namespace dsup {

namespace {

constexpr int lineFeed = 10;
constexpr int carriageReturn = 13;

// Reads units up to and including a line feed, storing what fits (carriage returns never) and
// dropping the rest of the line. A failed read, the end of the file or a partial last unit ends
// the line. The terminating zero needs a capacity of 0 or more: a negative one means a buffer
// without room for any unit.
template <class Unit>
INT readLine(Unit* buffer, INT capacity, HANDLE file) {
  if (!buffer) return 0;
  INT room = capacity;
  INT stored = 0;
  for (;;) {
    Unit unit = 0;
    DWORD bytesRead = 0;
    if (!ReadFile(file, &unit, sizeof unit, &bytesRead, nullptr) || bytesRead != sizeof unit) break;
    if (room > 0 && unit != carriageReturn) {
      buffer[stored++] = unit;
      --room;
    }
    if (unit == lineFeed) break;
  }
  if (capacity >= 0) buffer[stored] = 0;
  return room != capacity ? 1 : 0;
}

}  // namespace

}  // namespace dsup

extern "C" {

INT DSUP_CALL DSupReadLineFromFile(char* buffer, INT capacity, HANDLE file) noexcept {
  return dsup::readLine(buffer, capacity, file);
}

INT DSUP_CALL DSupReadLineFromFileW(WCHAR* buffer, INT capacity, HANDLE file) noexcept {
  return dsup::readLine(buffer, capacity, file);
}

}  // extern "C"
