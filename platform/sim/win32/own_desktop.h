// A desktop of the test program's own. Programs that run at the same time on one desktop take each
// other's input and foreground window; on desktops of their own they do not.
#pragma once

namespace sim::win32 {

// Moves the calling thread to a new desktop of the program's own; the first call decides, later
// ones return its result. REQUIRES: the thread has no windows and no hooks yet (SetThreadDesktop
// refuses it otherwise). Returns false when the desktop could not be made or used.
bool moveToOwnDesktop();

}  // namespace sim::win32
