#pragma once
// Writes an ext4 journal over with commits of the program's own, without any privilege: a hidden
// scratch folder on the file system gets scratch files whose inodes lie on distinct blocks of the
// inode table; changing their times and committing puts one journal block per such inode through
// the log, round after round, in two groups that take turns (one changed while the other's
// commit goes to the device: platform/posix/CommitPipeline.h), until the log's size and a twentieth
// more has gone through it. A file system with fast commits gets its commits forced with syncfs (an
// fsync would go to the fast-commit area), then fast commits until the fast-commit area has been
// filled once. The scratch folder is removed in the end, also when stopped or failed, and the file
// system is forced to the device.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Journal.h"
#include "platform/posix/CommitPipeline.h"
#include "platform/posix/JournalReports.h"
#include "platform/posix/ScratchFolder.h"

namespace platform::journal {

// The kernel's reports on the journal of one file system.
struct ReportFiles {
  std::string commits;      // /proc/fs/jbd2/<device>-8/info
  std::string fastCommits;  // /proc/fs/ext4/<device>/fc_info
};

// The text of one of those reports; empty when it cannot be read.
std::string readReportFile(const std::string& path);

// The outcome of a rewrite that ended early: its result, the system's reason (errno, 0 for none)
// and the words for the user.
JournalOutcome rewriteFailure(JournalResult result, int error, std::string detail);
// The outcome of rounds of scratch commits that ended early (stopped, or a change or a commit
// failed); none when they were done.
std::optional<JournalOutcome> roundsFailure(const CommitPipeline::Outcome& rounds);

// Removes the scratch folder and folds what could not be removed into the outcome: a cleared
// journal becomes a failure; a failure keeps its reason and is told what stays where.
void removeScratchFolder(ScratchFolder& scratch, JournalOutcome& outcome);

class JournalRewrite {
 public:
  // folder: an open descriptor of a folder of the file system, where the scratch folder is made.
  JournalRewrite(int folder, const JournalInfo& info, ReportFiles reports,
                 const JournalRequest& request);
  ~JournalRewrite();
  JournalRewrite(const JournalRewrite&) = delete;
  JournalRewrite& operator=(const JournalRewrite&) = delete;

  JournalOutcome run();

 private:
  JournalOutcome work();
  bool makeScratchFolder(JournalOutcome& outcome);
  bool makeScratchFiles(const RewritePlan& plan, JournalOutcome& outcome);
  // Changes the times of every chosen scratch file; errno is kept on failure.
  bool touch();
  bool fastCommitsInUse();
  bool rewriteLog(JournalOutcome& outcome);
  bool fillFastCommitArea(JournalOutcome& outcome);
  // Removes the scratch files and folder; what remains is folded into the outcome.
  void removeScratch(JournalOutcome& outcome);
  bool stopped() const;
  void report();

  int folder_;
  JournalInfo info_;
  ReportFiles reports_;
  const JournalRequest& request_;
  std::uint64_t logBlocks_ = 0;
  std::uint64_t target_ = 0;  // blocks to commit through the log

  ScratchFolder scratch_;
  // The first two chosen files: the first one's fsync commits a round of all of them (changed
  // last), and each one's a round of its group when the chosen files change in two groups.
  std::array<int, 2> anchors_{-1, -1};
  std::vector<std::uint64_t> chosen_;  // the files on distinct inode-table blocks
  bool fastCommits_ = false;

  std::uint64_t done_ = 0;  // blocks put through the journal
  std::uint64_t total_ = 0;
};

}  // namespace platform::journal
