#include "cleaner/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// Days from 1970-01-01 back to 1899-12-30.
constexpr std::int64_t kEpochOffset = 25569;

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

std::int64_t DayNumber(TDateTime value) {
  return static_cast<std::int64_t>(std::trunc(value));
}

bool IsDigits(const std::string& text, std::size_t from, std::size_t to) {
  if (from >= to) return false;
  for (std::size_t i = from; i < to; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// Splits "a<sep>b<sep>c" into up to `count` numbers; false when the text is not of that form.
bool ReadNumbers(const std::string& text, char separator, int* numbers, int minCount, int maxCount,
                 int& count) {
  count = 0;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find(separator, start);
    if (end == std::string::npos) end = text.size();
    if (count == maxCount || end - start > 6 || !IsDigits(text, start, end)) return false;
    numbers[count++] = std::stoi(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + 1;
  }
  return count >= minCount;
}

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
  return static_cast<TDateTime>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kEpochOffset);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMsPerDay;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
  const TDateTime date = EncodeDate(year, month, day);
  const TDateTime time = EncodeTime(hour, minute, second);
  return date < 0 ? date - time : date + time;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  CivilFromDays(DayNumber(value) - kEpochOffset, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
  std::int64_t ms = std::llround(TimeOf(value) * kMsPerDay);
  if (ms >= kMsPerDay) ms = kMsPerDay - 1;
  millisecond = static_cast<int>(ms % 1000);
  second = static_cast<int>(ms / 1000 % 60);
  minute = static_cast<int>(ms / 60000 % 60);
  hour = static_cast<int>(ms / 3600000);
}

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return days[(month - 1) % 12];
}

int DayOfTheWeek(TDateTime value) {
  // 1899-12-30 was a Saturday (6).
  std::int64_t index = (DayNumber(value) + 5) % 7;
  if (index < 0) index += 7;
  return static_cast<int>(index) + 1;
}

int DayOfTheMonth(TDateTime value) {
  int y, m, d;
  DecodeDate(value, y, m, d);
  return d;
}

int MonthOf(TDateTime value) {
  int y, m, d;
  DecodeDate(value, y, m, d);
  return m;
}

int WeekOfTheMonth(TDateTime value) {
  int year, month, day;
  DecodeDate(value, year, month, day);
  const int first = DayOfTheWeek(EncodeDate(year, month, 1));
  const int k = first >= 5 ? day - (8 - first) : day + first - 1;
  if (k <= 0) return WeekOfTheMonth(EncodeDate(year, month, 1) - 1);
  const int days = DaysInMonth(year, month);
  const int last = DayOfTheWeek(EncodeDate(year, month, days));
  if (last <= 3 && days - day < last) return 1;
  return (k + 6) / 7;
}

TDateTime TimeOf(TDateTime value) {
  return std::fabs(value - std::trunc(value));
}

TDateTime DateOf(TDateTime value) {
  return std::trunc(value);
}

std::int64_t MinutesBetween(TDateTime a, TDateTime b) {
  return static_cast<std::int64_t>(std::trunc(std::fabs(a - b) * 1440.0));
}

std::int64_t DaysBetween(TDateTime a, TDateTime b) {
  return static_cast<std::int64_t>(std::trunc(std::fabs(a - b)));
}

std::int64_t WeeksBetween(TDateTime a, TDateTime b) {
  return static_cast<std::int64_t>(std::trunc(std::fabs(a - b) / 7.0));
}

std::int64_t MonthsBetween(TDateTime a, TDateTime b) {
  return static_cast<std::int64_t>(std::trunc(std::fabs(a - b) / 30.4375));
}

TDateTime IncHour(TDateTime value, std::int64_t hours) {
  return (value * 24.0 + static_cast<double>(hours)) / 24.0;
}

TDateTime IncMinute(TDateTime value, std::int64_t minutes) {
  return (value * 1440.0 + static_cast<double>(minutes)) / 1440.0;
}

std::string DateTimeToText(TDateTime value) {
  int year, month, day, hour, minute, second, ms;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, ms);
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
  std::string text = buffer;
  if (hour || minute || second) text += " " + TimeToText(value);
  return text;
}

std::string TimeToText(TDateTime value) {
  int hour, minute, second, ms;
  DecodeTime(value, hour, minute, second, ms);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
  return buffer;
}

std::optional<TDateTime> TextToTime(const std::string& text) {
  int numbers[3] = {0, 0, 0};
  int count = 0;
  if (!ReadNumbers(text, ':', numbers, 2, 3, count)) return std::nullopt;
  if (numbers[0] > 23 || numbers[1] > 59 || numbers[2] > 59) return std::nullopt;
  return EncodeTime(numbers[0], numbers[1], numbers[2]);
}

std::optional<TDateTime> TextToDateTime(const std::string& text) {
  const std::size_t blank = text.find(' ');
  int numbers[3];
  int count = 0;
  if (!ReadNumbers(text.substr(0, blank), '-', numbers, 3, 3, count)) return std::nullopt;
  const int year = numbers[0], month = numbers[1], day = numbers[2];
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    return std::nullopt;
  }
  TDateTime time = 0;
  if (blank != std::string::npos) {
    auto parsed = TextToTime(text.substr(blank + 1));
    if (!parsed) return std::nullopt;
    time = *parsed;
  }
  const TDateTime date = EncodeDate(year, month, day);
  return date < 0 ? date - time : date + time;
}

TDateTime SystemNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
  const std::tm* local = std::localtime(&seconds);
  if (!local) return 0;
  return EncodeDate(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday) +
         EncodeTime(local->tm_hour, local->tm_min, local->tm_sec, static_cast<int>(ms.count()));
}
