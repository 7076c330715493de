#pragma once
// The timer and service units that let the user's service manager start the scheduled clean
// ("ferrovane-clean.timer" and "ferrovane-clean.service" in $XDG_CONFIG_HOME/systemd/user/).
// They are written and the timer enabled while a schedule is on; they are disabled and removed
// when it is off. Where the user has no service manager running, no unit is kept and the
// window's own timer runs the clean while the window is open.

#include <string>
#include <vector>

struct TScheduleSettings;

// Who starts the scheduled clean.
enum class TScheduleMode {
  Off,             // no schedule is on
  ServiceManager,  // the user's service manager, window or not
  WindowTimer,     // the window's timer, while the window is open
  Never,           // on, but the schedule can never fall due (no day or month chosen...)
};

class TCleanTimerUnits {
 public:
  // program: the command line program the service starts (ferrovane-cli).
  explicit TCleanTimerUnits(std::string program) : program_(std::move(program)) {}

  static const char* const TimerName;
  static const char* const ServiceName;

  // Makes the units follow the settings and returns who now runs the clean; every step that
  // failed is in Problems, with the reason.
  TScheduleMode Apply(const TScheduleSettings& settings);
  // Who runs the clean for these settings, as the machine is now; changes nothing.
  static TScheduleMode ModeFor(const TScheduleSettings& settings);

  // Whether the timer unit is in the user's unit folder.
  static bool Installed();

  // The text of the units.
  std::string TimerText(const std::vector<std::string>& calendar) const;
  std::string ServiceText() const;

  std::vector<std::string> Problems;

 private:
  void Remove();

  std::string program_;
};
