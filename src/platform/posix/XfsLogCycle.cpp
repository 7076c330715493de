#include "platform/posix/XfsLogCycle.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <numeric>
#include <vector>

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
  std::vector<std::uint64_t> files(scratch.files());
  std::iota(files.begin(), files.end(), std::uint64_t{0});
  const Descriptor anchor(scratch.openFile(files.front()));
  if (anchor.get() < 0) {
    return rewriteFailure(JournalResult::Failed, errno, "a scratch file could not be opened");
  }

  // Attributes where the file system takes them (a full one may refuse their blocks), times
  // otherwise; a round changes at least the attributed files.
  const std::vector<std::uint64_t> attributed(
      files.begin(), files.begin() + static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(
                                         files.size(), attributeFilesFor(logBytes_))));
  bool attributes = true;
  XfsLogBudget budget(logBytes_, attributed.size() * kLeastBytesPerFile);
  budget.start(start);
  const auto report = [&] {
    done = budget.done();
    if (request_.progress) request_.progress(std::min(done, budget.target()), budget.target());
  };
  report();
  while (!budget.finished()) {
    if (stopped()) return rewriteFailure(JournalResult::Stopped, 0, {});
    int error = attributes ? scratch.rewriteAttributes(attributed, kAttributeBytes) : ENOTSUP;
    if (error) {
      // Times from here on; what the round changed before the refusal goes with them.
      attributes = false;
      error = scratch.touch(files);
    }
    if (error) {
      return rewriteFailure(JournalResult::Failed, error, "a scratch file could not be changed");
    }
    // The fsync forces the log up to the last change, the first file's: the whole round.
    if (::fsync(anchor.get()) != 0) {
      return rewriteFailure(JournalResult::Failed, errno, "a commit failed");
    }
    budget.committed(readHead());
    report();
  }
  JournalOutcome outcome;
  outcome.result = JournalResult::Cleaned;
  outcome.way = JournalWay::Rewrite;
  return outcome;
}

}  // namespace platform::journal
