#pragma once
// Old copies of file names in the journal of a file system. Deleting a file takes its name out
// of its folder, but a journaling file system has already written copies of the folder's blocks
// to its journal, and those copies stay readable on the device until the journal has been
// written over. This facility tells what journal keeps the file system of a folder and writes
// that journal over, so the names of deleted files are gone from the device as well.
//
// Two ways: the file system is asked to empty its journal and fill it with zeros (needs the
// administrator and a kernel that offers it; ext4 only), or the journal is written over with
// commits of the program's own: the inodes of scratch files in a hidden folder are changed and
// committed until more than the journal's size has gone through it (ext4, and the log of XFS).
// Neither way writes anything a user chose; the scratch folder is removed afterwards, also when the
// work is stopped.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/ScopedOverride.h"

namespace platform {

enum class FastCommit {
  Off,      // the kernel makes no fast commits
  On,       // fast commits have been made (of single files' changes, in an area of their own)
  Unknown,  // none seen yet: only a change and its fsync tell
};

struct JournalInfo {
  bool ext4 = false;               // a file system of the ext4 driver (ext2, ext3 or ext4)
  bool xfs = false;                // an XFS file system (whose journal is its log)
  bool journal = false;            // it keeps a journal
  bool internal = false;           // the journal is inside the file system (not on another device)
  std::uint64_t journalBytes = 0;  // size of the log of an internal journal (0 when unknown)
  std::uint32_t blockSize = 0;
  std::uint32_t inodeSize = 0;  // 0 when unknown
  FastCommit fastCommit = FastCommit::Unknown;
  // File contents pass through the journal too (mounted data=journal): old copies of what was
  // overwritten stay there until the journal is cleared.
  bool dataJournal = false;
  std::string device;  // the kernel's name of the device ("sda1", "dm-0")
};

enum class JournalWay {
  Auto,        // the file system empties its journal where that is permitted, else Rewrite
  Checkpoint,  // only the file system's own emptying (needs the administrator)
  Rewrite,     // only the commits of scratch files
};

enum class JournalResult {
  Cleaned,          // the journal was emptied or written over
  NoJournal,        // the file system keeps no journal: there are no copies to clear
  NotExt4,          // neither ext4 nor XFS: its names are not cleared
  ExternalJournal,  // the journal lies on another device, which only the administrator may clear
  NotPermitted,     // emptying the journal needs the administrator
  Unsupported,      // the kernel cannot empty the journal
  NoSpace,          // too little free space for the scratch files
  NoInodes,         // too few free inodes for the scratch files
  Stopped,          // stopped on request before the journal had been written over
  Changed,          // the folder is no longer on the file system it was found on
  Failed,           // the system refused a step; the error says why
};

struct JournalOutcome {
  JournalResult result = JournalResult::Failed;
  JournalWay way = JournalWay::Auto;  // the way taken (Checkpoint or Rewrite), Auto if none
  std::error_code error{};            // the system's reason, when it gave one
  std::string detail{};               // more words for the user, or empty
  std::uint64_t bytes = 0;            // journal bytes zeroed or committed
};

// Reports how far the work is, in bytes of the journal (done of total).
using JournalProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;
// Asked between commits; true ends the work (the file system is consistent at every step).
using JournalStop = std::function<bool()>;

struct JournalRequest {
  std::string folder;  // a folder of the file system, where the scratch folder may be made
  JournalWay way = JournalWay::Auto;
  // The file system the folder must still be on (from volumeOf), when known.
  std::optional<std::uint64_t> volume{};
  JournalProgress progress{};
  JournalStop stop{};
};

// The journals of the machine's file systems. Tests install a fake with setJournals.
class Journals {
 public:
  virtual ~Journals() = default;
  // An identity of the file system holding the path (its device); null when the path cannot
  // be reached.
  virtual std::optional<std::uint64_t> volumeOf(const std::string& path) = 0;
  // What journal keeps the file system of the folder; reads only.
  virtual JournalInfo inspect(const std::string& folder) = 0;
  // True when the journal of the folder's file system can be cleared at once and at little cost,
  // which makes clearing it the default: on ext4 it may be asked to empty its journal (the
  // Checkpoint way: the kernel offers it and the caller is permitted); on XFS, whose log only
  // the commits of scratch files clear, the caller may make them there. Asks without doing it.
  virtual bool canEmpty(const std::string& folder) = 0;
  // Clears the old copies of names from the journal of the folder's file system, then forces
  // the file system to the device.
  virtual JournalOutcome clean(const JournalRequest& request) = 0;
};

// The scratch folders of the Rewrite way are named with this prefix followed by
// kScratchSuffixLength lowercase hexadecimal digits.
inline constexpr std::string_view kScratchFolderPrefix = ".ferrovane-journal-";
inline constexpr std::size_t kScratchSuffixLength = 12;
// True for a name the Rewrite way gives its scratch folders.
bool isScratchFolderName(std::string_view name);
// True for a name the Rewrite way gives the files in its scratch folder (decimal numbers).
bool isScratchFileName(std::string_view name);

// The journals in use: the real ones unless a test has installed others.
Journals& journals();
Journals& realJournals();
// Installs journals (null puts the real ones back) and returns the ones they replace. The caller
// keeps ownership.
Journals* setJournals(Journals* journals);

// Installs journals for the lifetime of the object, then puts back the ones installed before.
using ScopedJournals = ScopedOverride<&setJournals>;

}  // namespace platform
