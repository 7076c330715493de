#include "core/TNumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/UserLocale.h"

namespace {

// U+00A0 NO-BREAK SPACE and U+202F NARROW NO-BREAK SPACE, as the C library writes them for these
// languages: a line never breaks inside a number.
constexpr const char* kNoBreakSpace = "\u00a0";
constexpr const char* kNarrowNoBreakSpace = "\u202f";

}  // namespace

TNumberFormat TNumberFormat::Of(std::string_view locale) {
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  if (language == "de" || language == "es" || language == "it" || language == "pt") {
    return {".", ","};
  }
  if (language == "fr") return {kNarrowNoBreakSpace, ","};
  if (language == "pl" || language == "ru") return {kNoBreakSpace, ","};
  if (language == "zh" || language == "ja") return {",", "."};
  return {};
}

const TNumberFormat& TNumberFormat::User() {
  static const TNumberFormat user = Of(platform::numbersLocaleName());
  return user;
}

std::string TNumberFormat::Whole(std::uint64_t number) const {
  const std::string digits = std::to_string(number);
  if (Group.empty()) return digits;
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += Group;
    text += digits[i];
  }
  return text;
}

std::string TNumberFormat::Cut(double value, int decimals) const {
  const double scale = std::pow(10.0, decimals);
  const double cut = std::floor(std::max(value, 0.0) * scale);
  const auto whole = static_cast<std::uint64_t>(cut / scale);
  std::string text = Whole(whole);
  if (decimals <= 0) return text;
  char fraction[32];
  std::snprintf(fraction, sizeof fraction, "%0*llu", decimals,
                static_cast<unsigned long long>(cut - static_cast<double>(whole) * scale));
  return text + Decimal + fraction;
}
