#pragma once
// The window needs a display. Started where none can be opened, the program says so in one line
// that names the command line, and ends with status 1, instead of the abort of Qt.

// True unless nothing names a display: no platform chosen for Qt (QT_QPA_PLATFORM), and neither
// an X display (DISPLAY) nor a Wayland one (WAYLAND_DISPLAY).
bool DisplayNamed();
// Writes the line that says no display can be opened, on standard error.
void ReportNoDisplay();

// While it lives (around the construction of the application), Qt's fatal message that no
// platform could be started ends the program with that line and status 1; Qt's other messages
// are held back and passed on when it ends, so a display that cannot be opened gives one line
// and nothing else.
class TNoDisplayGuard {
 public:
  TNoDisplayGuard();
  ~TNoDisplayGuard();
  TNoDisplayGuard(const TNoDisplayGuard&) = delete;
  TNoDisplayGuard& operator=(const TNoDisplayGuard&) = delete;
};
