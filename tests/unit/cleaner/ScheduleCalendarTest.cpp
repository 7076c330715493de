// Each kind of schedule as the calendar of a systemd timer, checked against the calendar
// parser of systemd where it is installed, and the spacing that the scheduled clean keeps where
// a calendar cannot say it (every 7 minutes, every 3 days, every other week, the n-th week day).

#include "cleaner/ScheduleCalendar.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using Expressions = std::vector<std::string>;

TSchedule Kind(TScheduleInterval kind) {
  TSchedule schedule;
  schedule.Interval = kind;
  return schedule;
}

TSchedule Every(int minutes) {
  TSchedule schedule = Kind(::Every);
  schedule.EveryMinutes = minutes;
  return schedule;
}

TSchedule Hourly(int hours, int minutes) {
  TSchedule schedule = Kind(::Hourly);
  schedule.HourlyHours = hours;
  schedule.HourlyMinutes = minutes;
  return schedule;
}

TSchedule Daily(int days, TDateTime hour) {
  TSchedule schedule = Kind(::Daily);
  schedule.DailyDays = days;
  schedule.DailyHour = hour;
  return schedule;
}

TSchedule Weekly(int weeks, std::array<bool, 7> days, TDateTime hour) {
  TSchedule schedule = Kind(::Weekly);
  schedule.WeeklyWeeks = weeks;
  schedule.WeeklyDays = days;
  schedule.WeeklyHour = hour;
  return schedule;
}

TSchedule MonthlyAtDay(int day) {
  TSchedule schedule = Kind(::Monthly);
  schedule.MonthlyDay = day;
  schedule.MonthlyHour = EncodeTime(3, 0, 0);
  return schedule;
}

// The n-th week day (1 = Monday) of the chosen months (1 = January).
TSchedule MonthlyNth(int week, int weekDay, std::initializer_list<int> months) {
  TSchedule schedule = Kind(::Monthly);
  schedule.MonthlyAtDay = false;
  schedule.MonthlyDayIndexOf = week;
  schedule.MonthlyDayOf = weekDay;
  schedule.MonthlyHour = EncodeTime(3, 0, 0);
  for (int month : months) schedule.MonthlyMonths[static_cast<std::size_t>(month - 1)] = true;
  return schedule;
}

struct CalendarCase {
  const char* name;
  TSchedule schedule;
  Expressions expected;
};

std::vector<CalendarCase> CalendarCases() {
  TSchedule once = Kind(Once);
  once.OnceDate = EncodeDateTime(2026, 12, 8, 3, 0, 0);
  const std::array<bool, 7> monWed{true, false, true, false, false, false, false};
  return {
      {"once", once, {"2026-12-08 03:00:00"}},
      {"every 15 minutes", Every(15), {"*-*-* *:00/15:00"}},
      // Not a divisor of the day: events every minute, the spacing keeps the 7 minutes.
      {"every 7 minutes", Every(7), {"*-*-* *:00/1:00"}},
      {"every 0 minutes counts as every minute", Every(0), {"*-*-* *:00/1:00"}},
      {"every 45 minutes",
       Every(45),
       {"*-*-* 00,03,06,09,12,15,18,21:00,45:00", "*-*-* 02,05,08,11,14,17,20,23:15:00",
        "*-*-* 01,04,07,10,13,16,19,22:30:00"}},
      {"every 2 hours", Hourly(2, 0), {"*-*-* 00/2:00:00"}},
      {"every hour and a half",
       Hourly(1, 30),
       {"*-*-* 00,03,06,09,12,15,18,21:00:00", "*-*-* 01,04,07,10,13,16,19,22:30:00"}},
      {"every 25 hours: hourly events", Hourly(25, 0), {"*-*-* 00/1:00:00"}},
      {"every 0 hours 0 minutes", Hourly(0, 0), {"*-*-* *:00/1:00"}},
      {"daily", Daily(1, EncodeTime(3, 5, 0)), {"*-*-* 03:05:00"}},
      {"every 3 days", Daily(3, EncodeTime(22, 30, 0)), {"*-*-* 22:30:00"}},
      {"weekly on Monday and Wednesday",
       Weekly(1, monWed, EncodeTime(22, 30, 0)),
       {"Mon,Wed *-*-* 22:30:00"}},
      {"weekly on no day never falls due", Weekly(1, {}, 0), {}},
      {"monthly on the 31st", MonthlyAtDay(31), {"*-*-31 03:00:00"}},
      {"monthly on day 0 never falls due", MonthlyAtDay(0), {}},
      // The week belongs to the month of its Thursday: its Monday may be in December.
      {"first Monday of January",
       MonthlyNth(1, 1, {1}),
       {"Mon *-01-01..04 03:00:00", "Mon *-12-29..31 03:00:00"}},
      {"first Monday of March, leap years or not",
       MonthlyNth(1, 1, {3}),
       {"Mon *-03-01..04 03:00:00", "Mon *-02-26..29 03:00:00"}},
      {"fifth Friday of March and May",
       MonthlyNth(5, 5, {3, 5}),
       {"Fri *-04,06-01 03:00:00", "Fri *-03,05-30,31 03:00:00"}},
      {"second Sunday of every month",
       MonthlyNth(2, 7, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
       {"Sun *-01..12-11..17 03:00:00"}},
      {"n-th week day of no month never falls due", MonthlyNth(1, 1, {}), {}},
      {"a sixth week never falls due", MonthlyNth(6, 1, {1}), {}},
  };
}

TEST(ScheduleCalendar, EachKindBecomesItsCalendarEvents) {
  for (const CalendarCase& c : CalendarCases()) {
    EXPECT_EQ(OnCalendarExpressions(c.schedule), c.expected) << c.name;
  }
}

TEST(ScheduleCalendar, SystemdReadsEveryEvent) {
  if (std::system("systemd-analyze --version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "systemd-analyze is not installed";
  }
  for (const CalendarCase& c : CalendarCases()) {
    for (const std::string& expression : OnCalendarExpressions(c.schedule)) {
      const std::string command = "systemd-analyze calendar '" + expression + "' >/dev/null 2>&1";
      EXPECT_EQ(std::system(command.c_str()), 0) << c.name << ": " << expression;
    }
  }
}

struct SpacingCase {
  const char* name;
  TSchedule schedule;
  TDateTime lastRun;
  TDateTime now;
  bool allowed;
};

TEST(ScheduleCalendar, ScheduledCleansKeepTheirSpacing) {
  const auto at = [](int y, int m, int d, int h, int n, int s = 0) {
    return EncodeDateTime(y, m, d, h, n, s);
  };
  TSchedule once = Kind(Once);
  once.OnceDate = at(2026, 12, 8, 3, 0);
  const std::array<bool, 7> monWed{true, false, true, false, false, false, false};
  // 2026-12-07 is a Monday.
  const SpacingCase cases[] = {
      {"once, not yet run", once, 0, at(2026, 12, 8, 3, 0, 1), true},
      {"once, already run", once, at(2026, 12, 8, 3, 0, 2), at(2026, 12, 9, 3, 0), false},
      {"first run of a count", Every(7), 0, at(2026, 12, 8, 10, 0), true},
      {"7 minutes: 6 passed", Every(7), at(2026, 12, 8, 10, 0, 5), at(2026, 12, 8, 10, 6), false},
      {"7 minutes: the 7th minute", Every(7), at(2026, 12, 8, 10, 0, 5), at(2026, 12, 8, 10, 7),
       true},
      {"15 minutes, last run late", Every(15), at(2026, 12, 8, 10, 0, 20), at(2026, 12, 8, 10, 15),
       true},
      {"15 minutes: a run between", Every(15), at(2026, 12, 8, 10, 0), at(2026, 12, 8, 10, 5),
       false},
      {"25 hours: 24 passed", Hourly(25, 0), at(2026, 12, 8, 10, 0), at(2026, 12, 9, 10, 0), false},
      {"25 hours passed", Hourly(25, 0), at(2026, 12, 8, 10, 0), at(2026, 12, 9, 11, 0), true},
      {"3 days: 2 passed", Daily(3, 0), at(2026, 12, 7, 3, 0, 30), at(2026, 12, 9, 3, 0), false},
      {"3 days passed", Daily(3, 0), at(2026, 12, 7, 3, 0, 30), at(2026, 12, 10, 3, 0), true},
      {"every other week: Wednesday after Monday", Weekly(2, monWed, 0), at(2026, 12, 7, 3, 0),
       at(2026, 12, 9, 3, 0), true},
      {"every other week: the next week", Weekly(2, monWed, 0), at(2026, 12, 9, 3, 0),
       at(2026, 12, 14, 3, 0), false},
      {"every other week: two weeks on", Weekly(2, monWed, 0), at(2026, 12, 9, 3, 0),
       at(2026, 12, 21, 3, 0), true},
      {"first Monday of January: 2 January 2023", MonthlyNth(1, 1, {1}), 0, at(2023, 1, 2, 3, 0),
       true},
      {"first Monday of January: 30 December 2024", MonthlyNth(1, 1, {1}), 0,
       at(2024, 12, 30, 3, 0), true},
      {"first Monday of January: 29 January 2024 is February's", MonthlyNth(1, 1, {1}), 0,
       at(2024, 1, 29, 3, 0), false},
      {"first Monday of March: 26 February 2024 is February's", MonthlyNth(1, 1, {3}), 0,
       at(2024, 2, 26, 3, 0), false},
      {"first Monday of March: 26 February 2029", MonthlyNth(1, 1, {3}), 0, at(2029, 2, 26, 3, 0),
       true},
  };
  for (const SpacingCase& c : cases) {
    EXPECT_EQ(ScheduledRunAllowed(c.schedule, c.lastRun, c.now), c.allowed) << c.name;
  }
}

}  // namespace
