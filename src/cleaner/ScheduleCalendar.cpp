#include "cleaner/ScheduleCalendar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numeric>
#include <optional>
#include <set>

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr const char* kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// "hh:mm:00" of a time of day, to the minute.
std::string ClockText(TDateTime time) {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  DecodeTime(TimeOf(time), hour, minute, second, millisecond);
  return TwoDigits(hour) + ":" + TwoDigits(minute) + ":00";
}

// Numbers as a systemd list, runs of three or more as ranges: "01..04,09".
std::string NumberList(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size();) {
    std::size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    if (!text.empty()) text += ',';
    if (j >= i + 2) {
      text += TwoDigits(numbers[i]) + ".." + TwoDigits(numbers[j]);
    } else {
      for (std::size_t k = i; k <= j; ++k) text += (k > i ? "," : "") + TwoDigits(numbers[k]);
    }
    i = j + 1;
  }
  return text;
}

// Minutes between runs of the two counting kinds; at least one.
std::int64_t PeriodMinutes(const TSchedule& schedule) {
  const std::int64_t minutes =
      schedule.Interval == Every
          ? std::int64_t{schedule.EveryMinutes}
          : std::int64_t{schedule.HourlyHours} * 60 + std::int64_t{schedule.HourlyMinutes};
  return std::max<std::int64_t>(minutes, 1);
}

// The step of the events for a period: the largest that divides both the period and the day,
// so that the events repeat the same way every day and every run falls on one.
std::int64_t EventStep(std::int64_t period) {
  return std::gcd(period, kMinutesPerDay);
}

std::vector<std::string> StepExpressions(std::int64_t step) {
  if (step % 60 == 0) return {"*-*-* 00/" + std::to_string(step / 60) + ":00:00"};
  if (60 % step == 0) return {"*-*-* *:00/" + std::to_string(step) + ":00"};
  // Neither divides the hour: the minutes of each hour, hours with the same minutes together.
  std::map<std::vector<int>, std::vector<int>> hoursByMinutes;
  std::map<int, std::vector<int>> minutesByHour;
  for (std::int64_t at = 0; at < kMinutesPerDay; at += step)
    minutesByHour[static_cast<int>(at / 60)].push_back(static_cast<int>(at % 60));
  for (const auto& [hour, minutes] : minutesByHour) hoursByMinutes[minutes].push_back(hour);
  std::vector<std::string> expressions;
  for (const auto& [minutes, hours] : hoursByMinutes)
    expressions.push_back("*-*-* " + NumberList(hours) + ":" + NumberList(minutes) + ":00");
  return expressions;
}

// The week day of the n-th week of a month, where weeks run Monday to Sunday and belong to the
// month that holds their Thursday: the day can lie in the last days of the month before. Null
// when the month has no n-th week.
std::optional<TDateTime> NthWeekDay(int year, int month, int week, int weekDay) {
  const TDateTime first = EncodeDate(year, month, 1);
  const TDateTime firstThursday = first + ((4 - DayOfTheWeek(first) + 7) % 7);
  const TDateTime thursday = firstThursday + 7.0 * (week - 1);
  if (MonthOf(thursday) != month) return std::nullopt;
  return thursday + (weekDay - 4);
}

std::vector<std::string> NthWeekDayExpressions(const TSchedule& schedule) {
  const int weekDay = schedule.MonthlyDayOf;
  const int week = schedule.MonthlyDayIndexOf;
  if (weekDay < 1 || weekDay > 7 || week < 1 || week > 5) return {};
  // The calendar days on which that day falls, by calendar month, over 28 years (every shape
  // of every month, leap years included).
  std::map<int, std::set<int>> daysByMonth;
  for (int year = 2000; year < 2028; ++year) {
    for (int month = 1; month <= 12; ++month) {
      if (!schedule.MonthlyMonths[static_cast<std::size_t>(month - 1)]) continue;
      if (auto day = NthWeekDay(year, month, week, weekDay))
        daysByMonth[MonthOf(*day)].insert(DayOfTheMonth(*day));
    }
  }
  std::map<std::vector<int>, std::vector<int>> monthsByDays;
  for (const auto& [month, days] : daysByMonth)
    monthsByDays[std::vector<int>(days.begin(), days.end())].push_back(month);
  std::vector<std::string> expressions;
  for (const auto& [days, months] : monthsByDays) {
    expressions.push_back(std::string(kDayNames[weekDay - 1]) + " *-" + NumberList(months) + "-" +
                          NumberList(days) + " " + ClockText(schedule.MonthlyHour));
  }
  return expressions;
}

// The Monday that starts the week of the date, as a day number.
std::int64_t WeekStart(TDateTime value) {
  return static_cast<std::int64_t>(std::floor(DateOf(value))) - (DayOfTheWeek(value) - 1);
}

}  // namespace

std::vector<std::string> OnCalendarExpressions(const TSchedule& schedule) {
  switch (schedule.Interval) {
    case Once: {
      int year = 0, month = 0, day = 0;
      DecodeDate(schedule.OnceDate, year, month, day);
      return {std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day) + " " +
              ClockText(schedule.OnceDate)};
    }
    case Every:
    case Hourly:
      return StepExpressions(EventStep(PeriodMinutes(schedule)));
    case Daily:
      return {"*-*-* " + ClockText(schedule.DailyHour)};
    case Weekly: {
      std::string days;
      for (std::size_t i = 0; i < schedule.WeeklyDays.size(); ++i) {
        if (schedule.WeeklyDays[i]) days += (days.empty() ? "" : ",") + std::string(kDayNames[i]);
      }
      if (days.empty()) return {};
      return {days + " *-*-* " + ClockText(schedule.WeeklyHour)};
    }
    case Monthly:
      if (!schedule.MonthlyAtDay) return NthWeekDayExpressions(schedule);
      if (schedule.MonthlyDay < 1 || schedule.MonthlyDay > 31) return {};
      return {"*-*-" + TwoDigits(schedule.MonthlyDay) + " " + ClockText(schedule.MonthlyHour)};
  }
  return {};
}

bool ScheduledRunAllowed(const TSchedule& schedule, TDateTime lastRun, TDateTime now) {
  switch (schedule.Interval) {
    case Once:
      return lastRun < schedule.OnceDate;
    case Every:
    case Hourly: {
      if (lastRun == 0) return true;
      // Half a step of slack: the last clean started a little after its event.
      const std::int64_t period = PeriodMinutes(schedule);
      const double elapsedSeconds = std::abs(now - lastRun) * 86400.0;
      return elapsedSeconds >= static_cast<double>(period * 60 - EventStep(period) * 30);
    }
    case Daily:
      return lastRun == 0 ||
             std::llround(DateOf(now) - DateOf(lastRun)) >= std::max(schedule.DailyDays, 1);
    case Weekly: {
      if (lastRun == 0) return true;
      // Every chosen day of a week that runs; the next running week N weeks on.
      const std::int64_t weeks = (WeekStart(now) - WeekStart(lastRun)) / 7;
      return weeks == 0 || weeks >= std::max(schedule.WeeklyWeeks, 1);
    }
    case Monthly: {
      if (schedule.MonthlyAtDay) return true;
      // The calendar of the timer holds a few days that are the n-th week day only in some
      // years (the end of February): the day itself decides.
      int year = 0, month = 0, day = 0;
      DecodeDate(now, year, month, day);
      for (int delta : {0, 1}) {
        const int chosenMonth = (month + delta - 1) % 12 + 1;
        const int chosenYear = year + (month + delta > 12 ? 1 : 0);
        if (!schedule.MonthlyMonths[static_cast<std::size_t>(chosenMonth - 1)]) continue;
        const auto nth = NthWeekDay(chosenYear, chosenMonth, schedule.MonthlyDayIndexOf,
                                    std::clamp(schedule.MonthlyDayOf, 1, 7));
        if (nth && std::llround(*nth) == std::llround(std::floor(DateOf(now)))) return true;
      }
      return false;
    }
  }
  return false;
}
