#include "platform/posix/XfsLogCycle.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <vector>

#include "platform/posix/CommitPipeline.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/JournalRewrite.h"
#include "platform/posix/XfsGeometry.h"

namespace platform::journal {
namespace {

using posix::Descriptor;

// How many scratch files are made between two questions whether to stop.
constexpr std::uint64_t kFilesBetweenStopChecks = 256;

bool full(int error) {
  return error == ENOSPC || error == EDQUOT;
}

}  // namespace

std::optional<XfsGeometry> readXfsGeometry(int fd) {
  struct statfs type {};
  if (::fstatfs(fd, &type) != 0 || type.f_type != XFS_SUPER_MAGIC) return std::nullopt;
  posix::XfsGeometryV1 geometry{};
  if (::ioctl(fd, posix::kXfsGeometryV1, &geometry) != 0 || geometry.blocksize == 0)
    return std::nullopt;
  XfsGeometry result;
  result.blockSize = geometry.blocksize;
  result.inodeSize = geometry.inodesize;
  result.logBytes = static_cast<std::uint64_t>(geometry.logblocks) * geometry.blocksize;
  result.internalLog = geometry.logstart != 0;
  return result;
}

std::uint64_t XfsLogCycle::attributeFilesFor(std::uint64_t logBytes) {
  return std::clamp(logBytes / kLogBytesPerAttributeFile, kLeastAttributeFiles,
                    kMostAttributeFiles);
}

XfsLogCycle::XfsLogCycle(int folder, std::uint64_t logBytes, std::string headReport,
                         const JournalRequest& request)
    : folder_(folder), logBytes_(logBytes), headReport_(std::move(headReport)), request_(request) {}

std::optional<LogPosition> XfsLogCycle::readHead() const {
  return parseLogPosition(readReportFile(headReport_));
}

JournalOutcome XfsLogCycle::run() {
  std::uint64_t done = 0;
  ScratchFolder scratch(folder_);
  JournalOutcome outcome = work(scratch, done);
  removeScratchFolder(scratch, outcome);
  // What the work committed and the removal of the scratch folder reach the device.
  if (::syncfs(folder_) != 0 && outcome.result == JournalResult::Cleaned) {
    outcome = rewriteFailure(JournalResult::Failed, errno,
                             "the file system could not be forced to the device");
  }
  outcome.bytes = done;
  return outcome;
}

JournalOutcome XfsLogCycle::work(ScratchFolder& scratch, std::uint64_t& done) {
  if (logBytes_ == 0) return rewriteFailure(JournalResult::Failed, 0, "the log's size is unknown");
  // The deletions are committed first, so everything written from here on comes after the
  // copies of their names; the head is counted from there.
  if (::syncfs(folder_) != 0) {
    return rewriteFailure(JournalResult::Failed, errno,
                          "the file system could not be forced to the device");
  }
  const std::optional<LogPosition> start = readHead();

  if (const int error = scratch.make()) {
    return rewriteFailure(full(error) ? JournalResult::NoSpace : JournalResult::Failed, error,
                          "the scratch folder could not be made");
  }
  int made = 0;
  const std::uint64_t wanted = std::max(kFiles, attributeFilesFor(logBytes_));
  while (scratch.files() < wanted) {
    if (scratch.files() % kFilesBetweenStopChecks == 0 && stopped()) {
      return rewriteFailure(JournalResult::Stopped, 0, {});
    }
    // Out of inodes or space: what was made may still be enough.
    if ((made = scratch.makeFile()) != 0) break;
  }
  if (made && !full(made)) {
    return rewriteFailure(JournalResult::Failed, made, "a scratch file could not be made");
  }
  if (scratch.files() < kLeastFiles) {
    struct statvfs space {};
    const bool inodes = ::fstatvfs(folder_, &space) == 0 && space.f_favail == 0;
    return rewriteFailure(inodes ? JournalResult::NoInodes : JournalResult::NoSpace, made,
                          "only " + std::to_string(scratch.files()) + " of the " +
                              std::to_string(kLeastFiles) + " scratch files needed could be made");
  }
  // Two groups of files, changed in turn while the other's commit goes to the device: the even
  // and the odd numbers. The attributed files are the first ones, so a group's attributed files
  // are part of its files for times, and the first file of each group, changed last in every
  // round of it, is the same either way: its fsync commits the group's round.
  std::array<std::vector<std::uint64_t>, 2> files;
  std::array<std::vector<std::uint64_t>, 2> attributed;
  const std::uint64_t attributedFiles = std::min(scratch.files(), attributeFilesFor(logBytes_));
  for (std::uint64_t index = 0; index < scratch.files(); ++index) {
    files[index % 2].push_back(index);
    if (index < attributedFiles) attributed[index % 2].push_back(index);
  }
  const std::array<Descriptor, 2> anchors{Descriptor(scratch.openFile(0)),
                                          Descriptor(scratch.openFile(1))};
  if (anchors[0].get() < 0 || anchors[1].get() < 0) {
    return rewriteFailure(JournalResult::Failed, errno, "a scratch file could not be opened");
  }

  // Attributes where the file system takes them (a full one may refuse their blocks), times
  // otherwise; a group's round changes at least its attributed files.
  bool attributes = true;
  XfsLogBudget budget(logBytes_, attributed[1].size() * kLeastBytesPerFile);
  budget.start(start);
  const auto report = [&] {
    done = budget.done();
    if (request_.progress) request_.progress(std::min(done, budget.target()), budget.target());
  };
  report();
  CommitPipeline::Steps steps;
  steps.change = [&](std::size_t group) {
    int error = attributes ? scratch.changeAttributes(attributed[group], kAttributeBytes) : ENOTSUP;
    if (error) {
      // Times from here on; what the round changed before the refusal goes with them.
      attributes = false;
      error = scratch.touch(files[group]);
    }
    return error;
  };
  // The fsync forces the log up to the group's last change, its first file's: the whole round.
  steps.commit = [&](std::size_t group) { return ::fsync(anchors[group].get()) != 0 ? errno : 0; };
  steps.committed = [&](std::size_t) {
    budget.committed(readHead());
    report();
    return !budget.finished();
  };
  steps.stopped = [&] { return stopped(); };
  if (auto failure = roundsFailure(CommitPipeline::run(steps))) return std::move(*failure);
  JournalOutcome outcome;
  outcome.result = JournalResult::Cleaned;
  outcome.way = JournalWay::Rewrite;
  return outcome;
}

}  // namespace platform::journal
