#pragma once
// The Scheduler section of "prefs.dat": one schedule of six kinds, all kept side by side, and the
// once-a-second check that decides when it falls due.

#include <pugixml.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "cleaner/CleanerEnvironment.h"
#include "cleaner/DateTime.h"

enum TScheduleInterval : std::uint8_t {
  Once = 0,     // at OnceDate
  Every = 1,    // every EveryMinutes minutes
  Hourly = 2,   // every HourlyHours hours and HourlyMinutes minutes
  Daily = 3,    // every DailyDays days at DailyHour
  Weekly = 4,   // every WeeklyWeeks weeks on WeeklyDays at WeeklyHour
  Monthly = 5,  // monthly at MonthlyHour on a day of the month or an n-th week day
};

// What a schedule says, apart from whether it is on: the kind in force and the settings of all
// six kinds, side by side.
struct TSchedule {
  TScheduleInterval Interval = Once;
  TDateTime OnceDate = 0;
  std::int32_t EveryMinutes = 15;
  std::int32_t HourlyHours = 1;
  std::int32_t HourlyMinutes = 0;
  std::int32_t DailyDays = 1;
  TDateTime DailyHour = 0;
  std::int32_t WeeklyWeeks = 1;
  TDateTime WeeklyHour = 0;
  std::array<bool, 7> WeeklyDays{};  // Monday first
  TDateTime MonthlyHour = 0;
  bool MonthlyAtDay = true;
  std::int32_t MonthlyDay = 1;
  std::int32_t MonthlyDayIndexOf = 1;    // week of the month, 1 = first
  std::int32_t MonthlyDayOf = 1;         // 1 = Monday ... 7 = Sunday
  std::array<bool, 12> MonthlyMonths{};  // January first
};

class TScheduler : public TSchedule {
 public:
  using TClock = std::function<TDateTime()>;

  // clock: gives "now" (the local date and time); tests pass their own.
  explicit TScheduler(TClock clock = SystemNow);
  TScheduler(const TScheduler&) = delete;
  TScheduler& operator=(const TScheduler&) = delete;
  virtual ~TScheduler();

  bool Enabled = false;
  std::function<void(TScheduler&)> OnSchedule;  // raised when the schedule falls due
  std::unique_ptr<ITimer> Timer;                // 1000 ms, ticks run CheckSchedule
  TDateTime LastRun = 0;                        // the last due moment; 0: none yet

  TClock Clock;

  // Stops the timer and puts every setting back to its default (the times of day to now).
  void SetDefaults();
  // Clears LastRun when the scheduler was stopped, then runs the timer exactly when value is true.
  void SetEnabled(bool value);
  // The timer's tick: when the schedule is due, records the moment in LastRun and raises
  // OnSchedule.
  void CheckSchedule();
  // Whether the schedule is due at now, measured from LastRun.
  bool IsDue(TDateTime now) const;

  // Reads the Scheduler child of the Configuration element. The last run, the date of Once and
  // the three times of day are read when they can be; every other missing or unconvertible
  // value raises EConvertError, leaving the scheduler stopped.
  virtual void Load(const pugi::xml_node& element);
  // Appends the Scheduler element to element.
  virtual void Save(pugi::xml_node& element) const;
};
