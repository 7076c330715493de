#pragma once
// Date-time values as the scheduler keeps them: days since 30 December 1899, the fraction being
// the time of day (for days before that date the fraction still counts forward from midnight).
// The text forms are "yyyy-mm-dd" for dates and "hh:nn:ss" (24 hours) for times.

#include <cstdint>
#include <optional>
#include <string>

using TDateTime = double;

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);

int DaysInMonth(int year, int month);
// 1 = Monday ... 7 = Sunday.
int DayOfTheWeek(TDateTime value);
int DayOfTheMonth(TDateTime value);
int MonthOf(TDateTime value);
// Weeks run Monday to Sunday and belong to the month that holds their Thursday; 1 is the first.
int WeekOfTheMonth(TDateTime value);
// The time of day (the fraction) and the date at 00:00.
TDateTime TimeOf(TDateTime value);
TDateTime DateOf(TDateTime value);

// Whole spans between two moments, in either order (truncated toward zero).
std::int64_t MinutesBetween(TDateTime a, TDateTime b);
std::int64_t DaysBetween(TDateTime a, TDateTime b);
std::int64_t WeeksBetween(TDateTime a, TDateTime b);
std::int64_t MonthsBetween(TDateTime a, TDateTime b);  // months of 30.4375 days
TDateTime IncHour(TDateTime value, std::int64_t hours);
TDateTime IncMinute(TDateTime value, std::int64_t minutes);

// "yyyy-mm-dd hh:nn:ss", the time left out when it is 00:00:00.
std::string DateTimeToText(TDateTime value);
std::string TimeToText(TDateTime value);
// The value of such a text (a date, optionally followed by a blank and a time); null when the
// text is not one.
std::optional<TDateTime> TextToDateTime(const std::string& text);
// "hh:nn" or "hh:nn:ss"; null when the text is not a time of day.
std::optional<TDateTime> TextToTime(const std::string& text);

// The local date and time of the machine.
TDateTime SystemNow();
