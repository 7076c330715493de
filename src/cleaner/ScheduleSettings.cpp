#include "cleaner/ScheduleSettings.h"

#include <stdexcept>

#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TEraser.h"
#include "core/IniDocument.h"
#include "core/TIniFile.h"
#include "core/Translated.h"

namespace {

// A row of flags as digits, first flag first ("1010000": Monday and Wednesday).
template <std::size_t N>
std::string FlagsText(const std::array<bool, N>& flags) {
  std::string text;
  for (bool flag : flags) text += flag ? '1' : '0';
  return text;
}

template <std::size_t N>
void ReadFlags(const std::string& text, std::array<bool, N>& flags) {
  if (text.size() != N || text.find_first_not_of("01") != std::string::npos) return;
  for (std::size_t i = 0; i < N; ++i) flags[i] = text[i] == '1';
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ",") + name;
  return text;
}

std::vector<std::string> SplitNames(const std::string& text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) names.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

void ReadTime(const TIniFile& settings, const char* key, TDateTime& field) {
  if (auto value = TextToTime(settings.ReadString(TScheduleSettings::Section, key, "")))
    field = *value;
}

}  // namespace

const char* const TScheduleSettings::Section = "Schedule";

bool TScheduleSettings::Read(const TIniFile& settings) {
  Problem.clear();
  const std::string kind = settings.ReadString(Section, "Kind", "");
  const std::string enabled = settings.ReadString(Section, "Enabled", "");
  if (kind.empty() && enabled.empty()) return false;
  const std::optional<std::int32_t> kindValue = ParseIniInteger(kind);
  if (!kindValue || *kindValue < Once || *kindValue > Monthly) {
    Problem = Substituted(Tr("Kind={} is not a kind of schedule (0 to 5)"), {kind});
    return false;
  }
  const std::optional<std::int32_t> enabledValue = ParseIniInteger(enabled);
  if (!enabled.empty() && !enabledValue) {
    Problem = Substituted(Tr("Enabled={} is neither 1 nor 0"), {enabled});
    return false;
  }
  TSchedule& s = Schedule;
  Enabled = enabledValue.value_or(0) != 0;
  s.Interval = static_cast<TScheduleInterval>(*kindValue);
  if (auto once = TextToDateTime(settings.ReadString(Section, "OnceDate", ""))) s.OnceDate = *once;
  s.EveryMinutes = settings.ReadInteger(Section, "EveryMinutes", s.EveryMinutes);
  s.HourlyHours = settings.ReadInteger(Section, "HourlyHours", s.HourlyHours);
  s.HourlyMinutes = settings.ReadInteger(Section, "HourlyMinutes", s.HourlyMinutes);
  s.DailyDays = settings.ReadInteger(Section, "DailyDays", s.DailyDays);
  ReadTime(settings, "DailyHour", s.DailyHour);
  s.WeeklyWeeks = settings.ReadInteger(Section, "WeeklyWeeks", s.WeeklyWeeks);
  ReadTime(settings, "WeeklyHour", s.WeeklyHour);
  ReadFlags(settings.ReadString(Section, "WeeklyDays", ""), s.WeeklyDays);
  ReadTime(settings, "MonthlyHour", s.MonthlyHour);
  s.MonthlyAtDay = settings.ReadBool(Section, "MonthlyAtDay", s.MonthlyAtDay);
  s.MonthlyDay = settings.ReadInteger(Section, "MonthlyDay", s.MonthlyDay);
  s.MonthlyDayIndexOf = settings.ReadInteger(Section, "MonthlyDayIndexOf", s.MonthlyDayIndexOf);
  s.MonthlyDayOf = settings.ReadInteger(Section, "MonthlyDayOf", s.MonthlyDayOf);
  ReadFlags(settings.ReadString(Section, "MonthlyMonths", ""), s.MonthlyMonths);
  Items = SplitNames(settings.ReadString(Section, "Items", ""));
  return true;
}

void TScheduleSettings::Write(const std::string& settingsFile) const {
  const TSchedule& s = Schedule;
  // A longer value would be cut when read back and name fewer traces than were chosen.
  const std::string items = JoinNames(Items);
  if (items.size() > IniDocument::kMaxValueLength)
    throw std::length_error(
        Tr("the names of the traces chosen for the schedule are longer than a "
           "settings value may be"));
  UpdateIniFile(settingsFile, [&](IniDocument& document) {
    const auto put = [&](const char* key, const std::string& value) {
      document.write(Section, key, value);
    };
    put("Enabled", IniIntegerText(Enabled ? 1 : 0));
    put("Kind", IniIntegerText(s.Interval));
    put("OnceDate", DateTimeToText(s.OnceDate));
    put("EveryMinutes", IniIntegerText(s.EveryMinutes));
    put("HourlyHours", IniIntegerText(s.HourlyHours));
    put("HourlyMinutes", IniIntegerText(s.HourlyMinutes));
    put("DailyDays", IniIntegerText(s.DailyDays));
    put("DailyHour", TimeToText(s.DailyHour));
    put("WeeklyWeeks", IniIntegerText(s.WeeklyWeeks));
    put("WeeklyHour", TimeToText(s.WeeklyHour));
    put("WeeklyDays", FlagsText(s.WeeklyDays));
    put("MonthlyHour", TimeToText(s.MonthlyHour));
    put("MonthlyAtDay", IniIntegerText(s.MonthlyAtDay ? 1 : 0));
    put("MonthlyDay", IniIntegerText(s.MonthlyDay));
    put("MonthlyDayIndexOf", IniIntegerText(s.MonthlyDayIndexOf));
    put("MonthlyDayOf", IniIntegerText(s.MonthlyDayOf));
    put("MonthlyMonths", FlagsText(s.MonthlyMonths));
    put("Items", items);
  });
}

void TScheduleSettings::TakeFrom(const TScheduler& scheduler) {
  Enabled = scheduler.Enabled;
  Schedule = scheduler;
  if (Schedule.Interval > Monthly) {
    Schedule.Interval = Once;
    Enabled = false;
  }
}

void TScheduleSettings::ApplyTo(TScheduler& scheduler) const {
  static_cast<TSchedule&>(scheduler) = Schedule;
}

std::vector<TEraser*> TScheduleSettings::ChosenItems(const TCustomEraserEngine& engine) const {
  std::vector<TEraser*> chosen;
  for (const auto& item : engine.Erasers) {
    for (const std::string& name : Items) {
      if (name == item->Name) {
        chosen.push_back(item.get());
        break;
      }
    }
  }
  return chosen;
}
