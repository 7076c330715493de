#include "platform/posix/JournalRewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <unordered_set>

namespace platform::journal {
namespace {

constexpr std::size_t kMostReportBytes = 64 * 1024;
// The stop request is asked this often while scratch files are made.
constexpr std::uint64_t kFilesBetweenStopChecks = 256;
// Steps of the fast-commit fill before giving up on seeing the area full, and steps in a row
// without any fast commit (every change going into full commits instead).
constexpr std::uint64_t kMostFillSteps = 4096;
constexpr std::uint64_t kMostStepsWithoutFastCommit = 16;

}  // namespace

std::string readReportFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  std::string text;
  char buffer[4096];
  while (text.size() < kMostReportBytes) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return text;
}

JournalRewrite::JournalRewrite(int folder, const JournalInfo& info, ReportFiles reports,
                               const JournalRequest& request)
    : folder_(folder),
      info_(info),
      reports_(std::move(reports)),
      request_(request),
      scratch_(folder) {
  logBlocks_ = info_.blockSize ? info_.journalBytes / info_.blockSize : 0;
}

JournalRewrite::~JournalRewrite() {
  JournalOutcome ignored;
  removeScratch(ignored);
}

void removeScratchFolder(ScratchFolder& scratch, JournalOutcome& outcome) {
  const std::string name = scratch.name();
  const int error = scratch.remove();
  if (error == 0) return;
  const std::string& left = scratch.left();
  if (outcome.result == JournalResult::Cleaned) {
    outcome = left.empty()
                  ? rewriteFailure(JournalResult::Failed, error,
                                   "the scratch folder \"" + name + "\" could not be removed")
                  : rewriteFailure(JournalResult::Failed, 0, left);
  } else if (!left.empty()) {
    outcome.detail += (outcome.detail.empty() ? "" : "; ") + left;
  }
}

JournalOutcome rewriteFailure(JournalResult result, int error, std::string detail) {
  JournalOutcome outcome;
  outcome.result = result;
  outcome.way = JournalWay::Rewrite;
  if (error) outcome.error = std::error_code(error, std::generic_category());
  outcome.detail = std::move(detail);
  return outcome;
}

std::optional<JournalOutcome> roundsFailure(const CommitPipeline::Outcome& rounds) {
  switch (rounds.end) {
    case CommitPipeline::End::Done:
      return std::nullopt;
    case CommitPipeline::End::Stopped:
      return rewriteFailure(JournalResult::Stopped, 0, {});
    case CommitPipeline::End::ChangeFailed:
      return rewriteFailure(JournalResult::Failed, rounds.error,
                            "a scratch file could not be changed");
    case CommitPipeline::End::CommitFailed:
      return rewriteFailure(JournalResult::Failed, rounds.error, "a commit failed");
  }
  return std::nullopt;
}

bool JournalRewrite::stopped() const {
  return request_.stop && request_.stop();
}

void JournalRewrite::report() {
  if (request_.progress) {
    request_.progress(std::min(done_, total_) * info_.blockSize, total_ * info_.blockSize);
  }
}

JournalOutcome JournalRewrite::run() {
  JournalOutcome outcome = work();
  removeScratch(outcome);
  // What the work committed and the removal of the scratch folder reach the device.
  if (::syncfs(folder_) != 0 && outcome.result == JournalResult::Cleaned) {
    outcome = rewriteFailure(JournalResult::Failed, errno,
                             "the file system could not be forced to the device");
  }
  outcome.bytes = done_ * info_.blockSize;
  return outcome;
}

JournalOutcome JournalRewrite::work() {
  if (logBlocks_ == 0)
    return rewriteFailure(JournalResult::Failed, 0, "the journal's size is unknown");
  // The deletions' changes are committed first, so everything written from here on comes after
  // the copies of their names.
  if (::syncfs(folder_) != 0) {
    return rewriteFailure(JournalResult::Failed, errno,
                          "the file system could not be forced to the device");
  }
  struct statvfs space {};
  if (::fstatvfs(folder_, &space) != 0) {
    return rewriteFailure(JournalResult::Failed, errno, "the free space could not be read");
  }
  const RewritePlan plan = planRewrite(logBlocks_, info_.blockSize, info_.inodeSize, space.f_favail,
                                       static_cast<std::uint64_t>(space.f_bavail) * space.f_frsize);
  if (plan.maxFiles < plan.leastBlocks) {
    return rewriteFailure(
        plan.inodesLimit ? JournalResult::NoInodes : JournalResult::NoSpace, 0,
        "at least " + std::to_string(plan.leastBlocks) + " scratch files are needed");
  }
  target_ = plan.targetBlocks;
  total_ = target_;
  report();

  JournalOutcome outcome;
  outcome.way = JournalWay::Rewrite;
  if (!makeScratchFolder(outcome) || !makeScratchFiles(plan, outcome)) return outcome;
  if (chosen_.empty() || chosen_.size() < plan.leastBlocks) {
    // Stopped by the file system (no inode or no space left), or by the plan's own limit.
    bool inodes = plan.inodesLimit;
    if (outcome.error && ::fstatvfs(folder_, &space) == 0) inodes = space.f_favail == 0;
    return rewriteFailure(
        inodes ? JournalResult::NoInodes : JournalResult::NoSpace, outcome.error.value(),
        "only " + std::to_string(chosen_.size()) + " of the " + std::to_string(plan.leastBlocks) +
            " scratch files needed could be made");
  }
  for (std::size_t group = 0; group < std::min<std::size_t>(2, chosen_.size()); ++group) {
    anchors_[group] = scratch_.openFile(chosen_[group]);
    if (anchors_[group] < 0) {
      return rewriteFailure(JournalResult::Failed, errno, "a scratch file could not be opened");
    }
  }

  fastCommits_ = info_.fastCommit == FastCommit::On ||
                 (info_.fastCommit == FastCommit::Unknown && fastCommitsInUse());
  if (fastCommits_) {
    // The fill is counted as a sixty-fourth of the log, the size the tools give the area.
    total_ += std::max<std::uint64_t>(1, logBlocks_ / 64);
  }
  if (!rewriteLog(outcome)) return outcome;
  if (fastCommits_ && !fillFastCommitArea(outcome)) return outcome;
  outcome.result = JournalResult::Cleaned;
  if (request_.progress) request_.progress(total_ * info_.blockSize, total_ * info_.blockSize);
  return outcome;
}

bool JournalRewrite::makeScratchFolder(JournalOutcome& outcome) {
  const int error = scratch_.make();
  if (error == 0) return true;
  outcome = rewriteFailure(
      error == ENOSPC || error == EDQUOT ? JournalResult::NoSpace : JournalResult::Failed, error,
      error == EEXIST  ? "no free name for the scratch folder"
      : error == EXDEV ? "the scratch folder could not be opened on the file system"
                       : "the scratch folder could not be made");
  return false;
}

bool JournalRewrite::makeScratchFiles(const RewritePlan& plan, JournalOutcome& outcome) {
  std::unordered_set<std::uint64_t> blocks;
  for (std::uint64_t index = 0; index < plan.maxFiles && chosen_.size() < plan.wantedBlocks;
       ++index) {
    if (index % kFilesBetweenStopChecks == 0 && stopped()) {
      outcome = rewriteFailure(JournalResult::Stopped, 0, {});
      return false;
    }
    // The scratch folder names each file by its number: this one is `index`.
    std::uint64_t inode = 0;
    if (const int error = scratch_.makeFile(&inode)) {
      const bool made = scratch_.files() > index;
      // Out of inodes or space: what was made may still be enough.
      if (!made && (error == ENOSPC || error == EDQUOT)) {
        outcome.error = std::error_code(error, std::generic_category());
        break;
      }
      outcome = rewriteFailure(
          JournalResult::Failed, error,
          made ? "a scratch file could not be read" : "a scratch file could not be made");
      return false;
    }
    // Inode numbers start at 1 and fill the inode table in order, so inodes whose numbers
    // differ in this quotient lie on distinct blocks.
    if (blocks.insert((inode - 1) / plan.inodesPerBlock).second) chosen_.push_back(index);
  }
  return true;
}

bool JournalRewrite::touch() {
  // A new modification time each round, so every inode really changes.
  if (const int error = scratch_.touch(chosen_)) {
    errno = error;
    return false;
  }
  return true;
}

bool JournalRewrite::fastCommitsInUse() {
  // Without fast commits the kernel never counts one; with them, an fsync of a changed file
  // makes one (or falls back to a full commit, counted as well). A full commit that happens to
  // come between the change and the fsync leaves it nothing to do, hence a few tries.
  auto before = parseFastCommitReport(readReportFile(reports_.fastCommits));
  if (!before) return false;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (!touch() || ::fsync(anchors_[0]) != 0) return false;
    auto after = parseFastCommitReport(readReportFile(reports_.fastCommits));
    if (!after) return false;
    if (after->commits != before->commits || after->ineligible != before->ineligible) return true;
  }
  return false;
}

bool JournalRewrite::rewriteLog(JournalOutcome& outcome) {
  // Two groups of the chosen files, each changed while the other's commit goes to the device:
  // every other one, so each group's first file (its anchor) is changed last in its round.
  std::array<std::vector<std::uint64_t>, 2> groups;
  for (std::size_t index = 0; index < chosen_.size(); ++index) {
    groups[index % 2].push_back(chosen_[index]);
  }
  std::uint64_t committed = 0;
  CommitPipeline::Steps steps;
  steps.groups = groups[1].empty() ? 1 : 2;
  steps.change = [&](std::size_t group) { return scratch_.touch(groups[group]); };
  // An fsync commits everything the group's round changed; with fast commits it would only write
  // the fast-commit area, so syncfs forces a full commit instead.
  steps.commit = [&](std::size_t group) {
    return (fastCommits_ ? ::syncfs(folder_) : ::fsync(anchors_[group])) != 0 ? errno : 0;
  };
  steps.committed = [&](std::size_t group) {
    committed += groups[group].size();
    done_ = committed;
    report();
    return committed < target_;
  };
  steps.stopped = [&] { return stopped(); };
  if (auto failure = roundsFailure(CommitPipeline::run(steps))) {
    outcome = std::move(*failure);
    return false;
  }
  return true;
}

bool JournalRewrite::fillFastCommitArea(JournalOutcome& outcome) {
  // A full commit first: fast commits start again from the beginning of the area.
  if (::syncfs(folder_) != 0) {
    outcome = rewriteFailure(JournalResult::Failed, errno, "a commit failed");
    return false;
  }
  const std::uint64_t logDone = done_;
  FastCommitFill fill;
  std::uint64_t withoutFastCommit = 0;
  for (std::uint64_t step = 0; step < kMostFillSteps && fill.total() <= logBlocks_ &&
                               withoutFastCommit < kMostStepsWithoutFastCommit;
       ++step) {
    if (stopped()) {
      outcome = rewriteFailure(JournalResult::Stopped, 0, {});
      return false;
    }
    auto commitsBefore = parseCommitReport(readReportFile(reports_.commits));
    auto before = parseFastCommitReport(readReportFile(reports_.fastCommits));
    if (!commitsBefore || !before) break;
    if (!touch() || ::fsync(anchors_[0]) != 0) {
      outcome =
          rewriteFailure(JournalResult::Failed, errno, "a scratch file could not be committed");
      return false;
    }
    auto commitsAfter = parseCommitReport(readReportFile(reports_.commits));
    auto after = parseFastCommitReport(readReportFile(reports_.fastCommits));
    if (!commitsAfter || !after) break;
    if (fill.step(*commitsBefore, *before, *commitsAfter, *after)) return true;
    withoutFastCommit = after->blocks == before->blocks ? withoutFastCommit + 1 : 0;
    done_ = logDone + fill.total();
    report();
  }
  outcome = rewriteFailure(JournalResult::Failed, 0,
                           "the fast-commit area could not be seen written over completely");
  return false;
}

void JournalRewrite::removeScratch(JournalOutcome& outcome) {
  for (int& anchor : anchors_) {
    if (anchor >= 0) ::close(anchor);
    anchor = -1;
  }
  removeScratchFolder(scratch_, outcome);
}

}  // namespace platform::journal
