#include "cleaner/TScheduler.h"

#include "cleaner/PrefsValues.h"
#include "core/Translated.h"

namespace {

constexpr const char* kWeekDays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                     "Friday", "Saturday", "Sunday"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

pugi::xml_node RequiredChild(const pugi::xml_node& element, const char* name) {
  pugi::xml_node child = element.child(name);
  if (!child) throw EConvertError(std::string(Tr("missing element ")) + name);
  return child;
}

// Reads a value whose failure is passed over: the field keeps its value.
template <typename Read>
void ReadGuarded(TDateTime& field, Read read) {
  try {
    if (auto value = read()) field = *value;
  } catch (const std::exception&) {
  }
}

std::optional<TDateTime> TimeAttribute(const pugi::xml_node& element, const char* name) {
  pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute) return std::nullopt;
  return TextToTime(attribute.value());
}

std::optional<TDateTime> DateTimeAttribute(const pugi::xml_node& element, const char* name) {
  pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute) return std::nullopt;
  return TextToDateTime(attribute.value());
}

}  // namespace

TScheduler::TScheduler(TClock clock) : Clock(std::move(clock)) {
  Timer = CreateTimer(1000, [this] { CheckSchedule(); });
  SetDefaults();
  OnceDate = DateOf(Clock());
  DailyHour = 0;
  WeeklyHour = 0;
  MonthlyHour = 0;
}

TScheduler::~TScheduler() = default;

void TScheduler::SetDefaults() {
  SetEnabled(false);
  const TDateTime now = Clock();
  Interval = Once;
  LastRun = 0;
  OnceDate = DateOf(now);
  EveryMinutes = 15;
  HourlyHours = 1;
  HourlyMinutes = 0;
  DailyDays = 1;
  DailyHour = TimeOf(now);
  WeeklyWeeks = 1;
  WeeklyHour = TimeOf(now);
  WeeklyDays.fill(false);
  MonthlyHour = TimeOf(now);
  MonthlyAtDay = true;
  MonthlyDay = 1;
  MonthlyDayIndexOf = 1;
  MonthlyDayOf = 1;
  MonthlyMonths.fill(false);
}

void TScheduler::SetEnabled(bool value) {
  if (!Enabled) LastRun = 0;
  Enabled = value;
  Timer->SetEnabled(value);
}

bool TScheduler::IsDue(TDateTime now) const {
  switch (Interval) {
    case Once:
      return now > OnceDate && OnceDate > LastRun;
    case Every:
      return MinutesBetween(now, LastRun) >= EveryMinutes;
    case Hourly:
      return IncMinute(IncHour(LastRun, HourlyHours), HourlyMinutes) <= now;
    case Daily:
      return DaysBetween(now, LastRun) >= DailyDays && TimeOf(DailyHour) <= TimeOf(now);
    case Weekly:
      return WeeksBetween(now, LastRun) >= WeeklyWeeks && TimeOf(WeeklyHour) <= TimeOf(now) &&
             WeeklyDays[static_cast<std::size_t>(DayOfTheWeek(now) - 1)];
    case Monthly:
      if (MonthsBetween(now, LastRun) != 1 || TimeOf(MonthlyHour) > TimeOf(now)) return false;
      if (MonthlyAtDay) return DayOfTheMonth(now) == MonthlyDay;
      return WeekOfTheMonth(now) == MonthlyDayIndexOf && DayOfTheWeek(now) == MonthlyDayOf &&
             MonthlyMonths[static_cast<std::size_t>(MonthOf(now) - 1)];
  }
  return false;
}

void TScheduler::CheckSchedule() {
  if (LastRun == 0) LastRun = Clock();
  const TDateTime now = Clock();
  if (!IsDue(now)) return;
  LastRun = now;
  if (OnSchedule) OnSchedule(*this);
}

void TScheduler::Load(const pugi::xml_node& element) {
  pugi::xml_node scheduler = element.child("Scheduler");
  if (!scheduler) return;
  Interval = static_cast<TScheduleInterval>(ReadInteger(scheduler, "Inverval") & 0xFF);
  ReadGuarded(LastRun, [&] { return DateTimeAttribute(scheduler, "LastRun"); });
  ReadGuarded(OnceDate, [&] { return DateTimeAttribute(scheduler.child("Once"), "Date"); });

  pugi::xml_node every = RequiredChild(scheduler, "Every");
  EveryMinutes = ReadInteger(every, "Minutes");

  pugi::xml_node hourly = RequiredChild(scheduler, "Hourly");
  HourlyHours = ReadInteger(hourly, "Hours");
  HourlyMinutes = ReadInteger(hourly, "Minutes");

  pugi::xml_node daily = RequiredChild(scheduler, "Daily");
  DailyDays = ReadInteger(daily, "Days");
  ReadGuarded(DailyHour, [&] { return TimeAttribute(daily, "Hour"); });

  pugi::xml_node weekly = RequiredChild(scheduler, "Weekly");
  WeeklyWeeks = ReadInteger(weekly, "Weeks");
  ReadGuarded(WeeklyHour, [&] { return TimeAttribute(weekly, "Hour"); });
  for (std::size_t i = 0; i < WeeklyDays.size(); ++i)
    WeeklyDays[i] = ReadBool(weekly, kWeekDays[i]);

  pugi::xml_node monthly = RequiredChild(scheduler, "Monthly");
  ReadGuarded(MonthlyHour, [&] { return TimeAttribute(monthly, "Hour"); });
  MonthlyAtDay = ReadBool(monthly, "AtDay");
  MonthlyDay = ReadInteger(monthly, "Day");
  MonthlyDayIndexOf = ReadInteger(monthly, "DayIndexOf");
  MonthlyDayOf = ReadInteger(monthly, "DayOf");
  for (std::size_t i = 0; i < MonthlyMonths.size(); ++i)
    MonthlyMonths[i] = ReadBool(monthly, kMonths[i]);

  SetEnabled(ReadBool(scheduler, "Enabled"));
}

void TScheduler::Save(pugi::xml_node& element) const {
  pugi::xml_node scheduler = element.append_child("Scheduler");
  WriteBool(scheduler, "Enabled", Enabled);
  WriteInteger(scheduler, "Inverval", Interval);
  WriteText(scheduler, "LastRun", DateTimeToText(LastRun));

  pugi::xml_node once = scheduler.append_child("Once");
  WriteText(once, "Date", DateTimeToText(OnceDate));
  pugi::xml_node every = scheduler.append_child("Every");
  WriteInteger(every, "Minutes", EveryMinutes);
  pugi::xml_node hourly = scheduler.append_child("Hourly");
  WriteInteger(hourly, "Hours", HourlyHours);
  WriteInteger(hourly, "Minutes", HourlyMinutes);
  pugi::xml_node daily = scheduler.append_child("Daily");
  WriteInteger(daily, "Days", DailyDays);
  WriteText(daily, "Hour", TimeToText(DailyHour));
  pugi::xml_node weekly = scheduler.append_child("Weekly");
  WriteInteger(weekly, "Weeks", WeeklyWeeks);
  WriteText(weekly, "Hour", TimeToText(WeeklyHour));
  for (std::size_t i = 0; i < WeeklyDays.size(); ++i)
    WriteBool(weekly, kWeekDays[i], WeeklyDays[i]);
  pugi::xml_node monthly = scheduler.append_child("Monthly");
  WriteText(monthly, "Hour", TimeToText(MonthlyHour));
  WriteBool(monthly, "AtDay", MonthlyAtDay);
  WriteInteger(monthly, "Day", MonthlyDay);
  WriteInteger(monthly, "DayIndexOf", MonthlyDayIndexOf);
  WriteInteger(monthly, "DayOf", MonthlyDayOf);
  for (std::size_t i = 0; i < MonthlyMonths.size(); ++i)
    WriteBool(monthly, kMonths[i], MonthlyMonths[i]);
}
