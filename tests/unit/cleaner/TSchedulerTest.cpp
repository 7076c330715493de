#include "cleaner/TScheduler.h"

#include <gtest/gtest.h>

#include <cmath>

#include "cleaner/PrefsValues.h"

namespace {

constexpr double kSecond = 1.0 / 86400;

class SchedulerTest : public ::testing::Test {
 protected:
  // Ticks once a second from `from` (inclusive) to `to`, returning the moments that fell due.
  std::vector<TDateTime> Run(TDateTime from, TDateTime to, double step = kSecond) {
    std::vector<TDateTime> due;
    scheduler.OnSchedule = [&](TScheduler&) { due.push_back(now); };
    for (now = from; now <= to; now += step) scheduler.CheckSchedule();
    return due;
  }

  TDateTime now = EncodeDateTime(2024, 1, 1, 9, 0, 0);  // a Monday
  TScheduler scheduler{[this] { return now; }};
};

bool Near(TDateTime a, TDateTime b) {
  return std::fabs(a - b) < 1.5 * kSecond;
}

TEST(DateTime, CalendarAndWeekOfTheMonth) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(DayOfTheWeek(EncodeDate(2024, 1, 1)), 1);
  EXPECT_EQ(DayOfTheWeek(EncodeDate(2023, 1, 1)), 7);
  EXPECT_EQ(DayOfTheWeek(EncodeDate(1899, 12, 29)), 5);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  // January 2023 begins on a Sunday: the 1st belongs to the last week of December.
  EXPECT_EQ(WeekOfTheMonth(EncodeDate(2023, 1, 1)), 5);
  EXPECT_EQ(WeekOfTheMonth(EncodeDate(2023, 1, 2)), 1);
  EXPECT_EQ(WeekOfTheMonth(EncodeDate(2023, 1, 9)), 2);
  // April 2024 ends on a Tuesday: its last Monday and Tuesday are week 1 of May.
  EXPECT_EQ(WeekOfTheMonth(EncodeDate(2024, 4, 28)), 4);
  EXPECT_EQ(WeekOfTheMonth(EncodeDate(2024, 4, 29)), 1);
  // June 2023 begins on a Thursday: its first days are week 1.
  EXPECT_EQ(WeekOfTheMonth(EncodeDate(2023, 6, 1)), 1);
  EXPECT_EQ(WeekOfTheMonth(EncodeDate(2023, 6, 5)), 2);

  const TDateTime moment = EncodeDateTime(2024, 3, 5, 17, 30, 5);
  EXPECT_EQ(DateTimeToText(moment), "2024-03-05 17:30:05");
  EXPECT_EQ(DateTimeToText(EncodeDate(2024, 3, 5)), "2024-03-05");
  EXPECT_EQ(TextToDateTime("2024-03-05 17:30:05"), moment);
  EXPECT_EQ(TextToDateTime("2024-02-30"), std::nullopt);
  EXPECT_EQ(TextToTime("25:00"), std::nullopt);
  EXPECT_EQ(TextToTime("7:05"), EncodeTime(7, 5, 0));
  EXPECT_EQ(TimeToText(EncodeTime(23, 59, 59, 999)), "23:59:59");
}

TEST_F(SchedulerTest, EveryAndHourlyFallDueAfterTheirSpanFromTheLastDueMoment) {
  scheduler.Interval = Every;
  const TDateTime start = now;
  auto due = Run(start, start + 31.0 / 1440);
  ASSERT_EQ(due.size(), 2u);
  EXPECT_TRUE(Near(due[0], start + 15.0 / 1440));
  EXPECT_GE(MinutesBetween(due[0], start), 15);
  EXPECT_TRUE(Near(due[1], due[0] + 15.0 / 1440));

  scheduler.LastRun = 0;
  scheduler.Interval = Hourly;
  scheduler.HourlyHours = 1;
  scheduler.HourlyMinutes = 30;
  due = Run(start, start + 100.0 / 1440, 60 * kSecond);
  ASSERT_EQ(due.size(), 1u);
  EXPECT_TRUE(Near(due[0], start + 90.0 / 1440) || Near(due[0], start + 91.0 / 1440));

  // Counts of zero never hold the schedule back.
  scheduler.EveryMinutes = 0;
  scheduler.Interval = Every;
  EXPECT_EQ(Run(now, now + 4.5 * kSecond).size(), 5u);
  scheduler.HourlyHours = 0;
  scheduler.HourlyMinutes = 0;
  scheduler.Interval = Hourly;
  EXPECT_EQ(Run(now, now + 2.5 * kSecond).size(), 3u);
}

TEST_F(SchedulerTest, OnceFallsDueOnceAndOnlyForADateAfterTheFirstTick) {
  scheduler.Interval = Once;
  scheduler.OnceDate = now - 1;
  EXPECT_TRUE(Run(now, now + 60 * kSecond).empty());

  scheduler.LastRun = 0;
  scheduler.OnceDate = now + 10 * kSecond;
  auto due = Run(now, now + 60 * kSecond);
  ASSERT_EQ(due.size(), 1u);
  EXPECT_GT(due[0], scheduler.OnceDate);
}

TEST_F(SchedulerTest, DailyAndWeeklyNeedWholeSpansAndTheirTimeOfDay) {
  scheduler.Interval = Daily;
  scheduler.DailyDays = 1;
  scheduler.DailyHour = EncodeTime(10, 0, 0);
  const TDateTime start = now;  // Monday 09:00
  auto due = Run(start, start + 2.5, 60 * kSecond);
  ASSERT_EQ(due.size(), 2u);
  EXPECT_TRUE(Near(due[0], EncodeDateTime(2024, 1, 2, 10, 0, 0)));
  EXPECT_LE(std::fabs(due[1] - EncodeDateTime(2024, 1, 3, 10, 0, 0)), 61 * kSecond);

  scheduler.LastRun = 0;
  scheduler.DailyDays = 0;
  scheduler.DailyHour = EncodeTime(23, 57, 30);
  EXPECT_EQ(
      Run(EncodeDateTime(2024, 1, 5, 23, 57, 0), EncodeDateTime(2024, 1, 6, 0, 1, 0), 60 * kSecond)
          .size(),
      2u);

  scheduler.LastRun = 0;
  scheduler.Interval = Weekly;
  scheduler.WeeklyWeeks = 1;
  scheduler.WeeklyHour = EncodeTime(8, 0, 0);
  scheduler.WeeklyDays = {true, false, true, false, false, false, false};
  due = Run(EncodeDateTime(2023, 12, 31, 12, 0, 0), EncodeDateTime(2024, 1, 16, 12, 0, 0),
            600 * kSecond);
  ASSERT_EQ(due.size(), 2u);
  // The first chosen day a whole week after the first tick is Monday the 8th; the Wednesday two
  // days later is not due, the next Monday is.
  EXPECT_EQ(DateOf(due[0]), EncodeDate(2024, 1, 8));
  EXPECT_EQ(DayOfTheWeek(due[1]), 1);
  EXPECT_NEAR(due[1] - due[0], 7, 0.01);
}

TEST_F(SchedulerTest, MonthlyFallsDueOnlyExactlyOneMonthOnAndOnTheChosenDay) {
  scheduler.Interval = Monthly;
  scheduler.MonthlyHour = 0;
  scheduler.MonthlyAtDay = true;
  scheduler.MonthlyDay = 15;
  scheduler.LastRun = EncodeDate(2024, 1, 14);
  auto due = Run(EncodeDate(2024, 1, 20), EncodeDate(2024, 5, 1), 0.25);
  ASSERT_EQ(due.size(), 2u);
  EXPECT_EQ(DateOf(due[0]), EncodeDate(2024, 2, 15));
  // 15 March is only 29 days after the last due moment: less than one month of 30.4375 days.
  EXPECT_EQ(DateOf(due[1]), EncodeDate(2024, 4, 15));

  // Two whole months without a due tick: never again until LastRun changes.
  scheduler.LastRun = EncodeDate(2024, 1, 1);
  EXPECT_TRUE(Run(EncodeDate(2024, 3, 10), EncodeDate(2024, 8, 1), 0.25).empty());

  scheduler.MonthlyDay = 31;
  scheduler.LastRun = EncodeDate(2024, 3, 20);
  EXPECT_TRUE(Run(EncodeDate(2024, 4, 21), EncodeDate(2024, 5, 1), 0.25).empty());

  // The Monday of the first week of January 2023 is the 2nd; the months now count.
  scheduler.MonthlyAtDay = false;
  scheduler.MonthlyDayIndexOf = 1;
  scheduler.MonthlyDayOf = 1;
  scheduler.MonthlyMonths = {true};
  scheduler.LastRun = EncodeDate(2022, 12, 1);
  due = Run(EncodeDate(2022, 12, 31), EncodeDate(2023, 1, 10), 0.25);
  ASSERT_EQ(due.size(), 1u);
  EXPECT_EQ(DateOf(due[0]), EncodeDate(2023, 1, 2));
  scheduler.MonthlyMonths = {false, true};
  scheduler.LastRun = EncodeDate(2022, 12, 1);
  EXPECT_TRUE(Run(EncodeDate(2022, 12, 31), EncodeDate(2023, 1, 10), 0.25).empty());
}

TEST_F(SchedulerTest, LoadStartsTheTimerAndIgnoresTheStoredLastRun) {
  pugi::xml_document document;
  document.load_string(
      R"(<Configuration><Scheduler Enabled="True" Inverval="257" LastRun="2020-01-01">
      <Once Date="garbage"/><Every Minutes="15"/><Hourly Hours="1" Minutes="0"/>
      <Daily Days="1" Hour="not a time"/>
      <Weekly Weeks="1" Hour="10:00" Monday="True" Tuesday="False" Wednesday="False"
        Thursday="False" Friday="False" Saturday="False" Sunday="False"/>
      <Monthly AtDay="True" Day="1" DayIndexOf="1" DayOf="1" Jan="False" Feb="False" Mar="False"
        Apr="False" May="False" Jun="False" Jul="False" Aug="False" Sep="False" Oct="False"
        Nov="False" Dec="False"/></Scheduler></Configuration>)");
  const TDateTime onceBefore = scheduler.OnceDate;
  scheduler.Load(document.child("Configuration"));
  EXPECT_TRUE(scheduler.Enabled);
  EXPECT_TRUE(scheduler.Timer->Enabled());
  EXPECT_EQ(scheduler.Interval, Every);  // 257 keeps its low 8 bits
  EXPECT_EQ(scheduler.LastRun, 0);
  EXPECT_EQ(scheduler.OnceDate, onceBefore);
  EXPECT_EQ(scheduler.DailyHour, 0);
  EXPECT_EQ(scheduler.WeeklyHour, EncodeTime(10, 0, 0));
  scheduler.CheckSchedule();
  EXPECT_EQ(scheduler.LastRun, now);

  // Enabling again while running keeps the last due moment.
  scheduler.SetEnabled(true);
  EXPECT_EQ(scheduler.LastRun, now);
}

TEST_F(SchedulerTest, AMissingPartEndsTheLoadWithTheSchedulerStopped) {
  pugi::xml_document document;
  document.load_string(R"(<Configuration><Scheduler Enabled="True" Inverval="3">
      <Once Date="2030-01-02 03:04:05"/><Hourly Hours="5" Minutes="0"/></Scheduler></Configuration>)");
  EXPECT_THROW(scheduler.Load(document.child("Configuration")), EConvertError);
  EXPECT_EQ(scheduler.Interval, Daily);
  EXPECT_EQ(scheduler.OnceDate, EncodeDateTime(2030, 1, 2, 3, 4, 5));
  EXPECT_EQ(scheduler.HourlyHours, 1);
  EXPECT_FALSE(scheduler.Enabled);
  EXPECT_FALSE(scheduler.Timer->Enabled());

  scheduler.Interval = static_cast<TScheduleInterval>(44);
  EXPECT_TRUE(Run(now, now + 10 * kSecond).empty());
}

}  // namespace
