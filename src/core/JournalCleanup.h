#pragma once
// Clears the old copies of deleted files' names from the journals of the file systems a run
// deleted on. The run tells it of every deletion as it happens; when the run ends, Finish clears
// the journal of each of those file systems once.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Journal.h"

namespace platform {
class FileSystem;
}  // namespace platform

// The progress window's text while a journal is being cleared.
extern const char* const kClearingJournalText;

// A short text that says what happened to a journal ("file names cleared from the journal", ...).
std::string JournalResultText(platform::JournalResult result);
// The whole outcome: the short text, the detail after a colon and the system's reason in
// brackets.
std::string DescribeJournalOutcome(const platform::JournalOutcome& outcome);

class JournalCleanup {
 public:
  // The text to show and how far the work on the current file system is (done of total bytes;
  // total is 0 while it is not known).
  using Progress =
      std::function<void(const std::string& text, std::uint64_t done, std::uint64_t total)>;
  // Asked between commits; true stops the work.
  using Stop = std::function<bool()>;

  struct Result {
    std::string Folder;  // the folder the file system was reached through
    platform::JournalOutcome Outcome;
    // Not wanted (Wanted said no): nothing was done, and Outcome says nothing.
    bool Skipped = false;
  };

  // Through the installed journals and file system.
  explicit JournalCleanup(platform::JournalWay way = platform::JournalWay::Auto);
  // Through the journals and the file system given.
  JournalCleanup(platform::Journals& journals, platform::FileSystem& files,
                 platform::JournalWay way = platform::JournalWay::Auto)
      : journals_(&journals), files_(&files), way_(way) {}

  // Scratch folders of an earlier cleaning that was killed are removed from the folder a
  // journal is cleared through, once they have been left unchanged this long.
  std::chrono::nanoseconds StaleScratchAge = std::chrono::minutes(10);
  // Which file systems, by a folder of theirs, Finish clears; every one noted when not set.
  // A file system not wanted is given a result marked Skipped; one no longer reachable then is
  // passed over without a result.
  std::function<bool(const std::string& folder)> Wanted;

  // Something was deleted in the folder (or the folder itself was deleted: then its nearest
  // folder that still exists counts).
  void NoteDeletion(const std::string& folder);
  // True when a deletion has been noted since the last Finish.
  bool Pending() const { return !volumes_.empty(); }

  // Clears the journal of every file system noted, once each, in the order they were first
  // noted, and forgets the notes. After a stop, the file systems not reached yet are reported
  // as stopped.
  std::vector<Result> Finish(const Progress& progress, const Stop& stop);

 private:
  struct Volume {
    std::uint64_t id = 0;
    std::vector<std::string> folders;  // where deletions were noted, first ones first
  };
  // A folder of the volume that still exists there, or empty.
  std::string reachableFolder(const Volume& volume) const;

  platform::Journals* journals_;
  platform::FileSystem* files_;
  platform::JournalWay way_;
  std::vector<Volume> volumes_;
  std::string lastNoted_;  // the folder noted last, which a run notes many times in a row
};
