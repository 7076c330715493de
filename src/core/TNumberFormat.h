#pragma once
// How numbers are written for the user to read: the separator between groups of three digits and
// the decimal mark of the user's locale. Output that other programs read (the JSON progress
// stream, reports, settings files) never goes through here and keeps the C form.

#include <cstdint>
#include <string>
#include <string_view>

struct TNumberFormat {
  std::string Group;          // between groups of three digits; empty: none
  std::string Decimal = ".";  // between the whole part and the fraction

  // The conventions of a locale name ("de_DE.UTF-8", "fr_CA"), for the languages the program
  // speaks; for C, POSIX, English and any other, the C form (no grouping, a point), so that
  // English output stays as it always was.
  static TNumberFormat Of(std::string_view locale);
  // The user's (LC_ALL, LC_NUMERIC, LANG), read once.
  static const TNumberFormat& User();

  // 1234567 as "1.234.567" (German), "1 234 567" (French), "1234567" (C).
  std::string Whole(std::uint64_t number) const;
  // The value cut (not rounded) to the given decimals: 45.37 with one decimal as "45,3" (German).
  std::string Cut(double value, int decimals) const;
};
