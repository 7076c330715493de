#pragma once
// The record of the scheduled cleans ("scheduled-clean.log" in the settings folder): one line
// per clean with its moment, how much it removed, how much it left, whether it ran and what
// stopped it, newest last. The command line appends to it; the Clean traces page shows the last
// line.

#include <cstddef>
#include <optional>
#include <string>

#include "cleaner/DateTime.h"

struct TScheduledClean {
  TDateTime When = 0;  // local date and time the clean started
  std::size_t Removed = 0;
  std::size_t Left = 0;
  std::string Problem;  // why nothing (or not all) was cleaned, beyond what was left; or empty
  bool Ran = true;      // false: refused before anything was cleaned (Problem says why)

  // "Last scheduled clean: 2026-12-08 03:00, removed 412 items, 2 left".
  std::string Summary() const;
};

class TScheduledCleanLog {
 public:
  // The log in the settings folder in use.
  TScheduledCleanLog();
  explicit TScheduledCleanLog(std::string path) : path_(std::move(path)) {}

  // Adds the clean as the last line, keeping the newest lines only; the system's reason when
  // the log could not be written, else empty.
  std::string Append(const TScheduledClean& clean) const;
  // The newest entry (with `ranOnly`, the newest clean that ran); null when there is none or
  // the log cannot be read.
  std::optional<TScheduledClean> Last(bool ranOnly = false) const;
  const std::string& Path() const { return path_; }

  // Lines the log keeps.
  static constexpr std::size_t kKeptLines = 200;

 private:
  std::string path_;
};
