#include "cli/ProgressLine.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "core/ShortenPath.h"
#include "core/TNumberFormat.h"
#include "core/Translated.h"

std::string FormatRate(double bytesPerSecond) {
  static const char* const kUnits[] = {"B/s", "KiB/s", "MiB/s", "GiB/s", "TiB/s"};
  double value = bytesPerSecond < 0 ? 0 : bytesPerSecond;
  std::size_t unit = 0;
  while (value >= 1024 && unit + 1 < std::size(kUnits)) {
    value /= 1024;
    ++unit;
  }
  // A decimal for the small figures of the larger units, in the user's form ("45,3 MiB/s").
  return TNumberFormat::User().Cut(value, unit == 0 || value >= 100 ? 0 : 1) + " " + kUnits[unit];
}

std::string FormatDuration(double seconds) {
  // Anything beyond 99 hours says no more than that.
  const auto whole =
      static_cast<std::uint64_t>(std::ceil(std::min(std::max(seconds, 0.0), 359999.0)));
  char text[32];
  if (whole >= 3600) {
    std::snprintf(text, sizeof text, "%u:%02u:%02u", static_cast<unsigned>(whole / 3600),
                  static_cast<unsigned>(whole / 60 % 60), static_cast<unsigned>(whole % 60));
  } else {
    std::snprintf(text, sizeof text, "%u:%02u", static_cast<unsigned>(whole / 60),
                  static_cast<unsigned>(whole % 60));
  }
  return text;
}

std::string FormatProgressLine(const TProgressFigures& figures, unsigned columns) {
  // The last column is kept free: writing into it makes some terminals wrap.
  const std::size_t width = columns > 1 ? columns - 1 : 1;
  std::vector<std::string> parts;
  if (figures.passes > 0 && figures.pass > 0) {
    parts.push_back(Substituted(Tr("pass {} of {}"),
                                {std::to_string(figures.pass), std::to_string(figures.passes)}));
  }
  if (figures.percent >= 0) parts.push_back(std::to_string(std::min(figures.percent, 100)) + "%");
  if (figures.bytesPerSecond >= 0) parts.push_back(FormatRate(figures.bytesPerSecond));
  if (figures.secondsLeft >= 0)
    parts.push_back(Substituted(Tr("{} left"), {FormatDuration(figures.secondsLeft)}));

  // Figures go from the right until the file name fits beside them.
  const std::string name = ShortenPath(figures.file, [](const std::string&) { return false; });
  for (;;) {
    std::string tail;
    for (const std::string& part : parts) tail += "  " + part;
    if (name.size() + tail.size() <= width || parts.empty()) {
      const std::string file = ShortenPath(figures.file, [&](const std::string& shortened) {
        return shortened.size() + tail.size() <= width;
      });
      std::string line = file + tail;
      if (line.size() > width) line.resize(width);
      return line;
    }
    parts.pop_back();
  }
}
