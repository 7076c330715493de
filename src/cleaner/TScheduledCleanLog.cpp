#include "cleaner/TScheduledCleanLog.h"

#include <charconv>
#include <deque>

#include "core/SettingsFolder.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::uint64_t kMaxLogBytes = 1 << 20;

// A line: date and time, removed, left, "ran" or "refused", and the problem, separated by tabs.
std::string LineOf(const TScheduledClean& clean) {
  std::string problem = clean.Problem;
  for (char& c : problem) {
    if (c == '\n' || c == '\t' || c == '\r') c = ' ';
  }
  return DateTimeToText(clean.When) + "\t" + std::to_string(clean.Removed) + "\t" +
         std::to_string(clean.Left) + "\t" + (clean.Ran ? "ran" : "refused") + "\t" + problem +
         "\n";
}

std::optional<std::size_t> Count(const std::string& text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<TScheduledClean> ParseLine(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  if (fields.size() < 5) return std::nullopt;
  const auto when = TextToDateTime(fields[0]);
  const auto removed = Count(fields[1]);
  const auto left = Count(fields[2]);
  if (!when || !removed || !left) return std::nullopt;
  return TScheduledClean{*when, *removed, *left, fields[4], fields[3] != "refused"};
}

std::deque<std::string> Lines(const std::string& text) {
  std::deque<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

}  // namespace

std::string TScheduledClean::Summary() const {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
  DecodeDate(When, year, month, day);
  DecodeTime(When, hour, minute, second, ms);
  char moment[32];
  std::snprintf(moment, sizeof moment, "%04d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
  std::string text = Substituted(
      TrN("Last scheduled clean: {}, removed {} item", "Last scheduled clean: {}, removed {} items",
          static_cast<unsigned long>(Removed)),
      {moment, std::to_string(Removed)});
  if (Left > 0) text += Substituted(Tr(", {} left"), {std::to_string(Left)});
  if (!Problem.empty()) text += " (" + Problem + ")";
  return text;
}

TScheduledCleanLog::TScheduledCleanLog() : path_(GetSettingsFolder() + "scheduled-clean.log") {}

std::string TScheduledCleanLog::Append(const TScheduledClean& clean) const {
  platform::FileSystem& files = platform::fs();
  std::deque<std::string> lines;
  if (auto text = files.readFile(path_, kMaxLogBytes)) lines = Lines(*text);
  std::string line = LineOf(clean);
  line.pop_back();
  lines.push_back(std::move(line));
  while (lines.size() > kKeptLines) lines.pop_front();
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  const platform::Status written = files.writeFileAtomic(path_, text);
  return written ? std::string() : written.error().message();
}

std::optional<TScheduledClean> TScheduledCleanLog::Last(bool ranOnly) const {
  auto text = platform::fs().readFile(path_, kMaxLogBytes);
  if (!text) return std::nullopt;
  std::deque<std::string> lines = Lines(*text);
  while (!lines.empty()) {
    if (auto clean = ParseLine(lines.back()); clean && (clean->Ran || !ranOnly)) return clean;
    lines.pop_back();
  }
  return std::nullopt;
}
