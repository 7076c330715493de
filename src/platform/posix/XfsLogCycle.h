#pragma once
// Writes an XFS log over with commits of the program's own, without any privilege: the times of
// a few thousand empty scratch files in a hidden scratch folder (or, where the file system
// takes them, extended attributes of some of them) are changed and committed with an fsync,
// round after round, in two groups that take turns (one changed while the other's commit goes
// to the device: platform/posix/CommitPipeline.h), until the head of the log has gone the log's
// size and a twentieth more past where it stood once the deletions were committed. XFS offers
// nobody a call that empties its log, so this is the only way. The scratch folder is removed in the
// end, also when stopped or failed, and the file system is forced to the device.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Journal.h"
#include "platform/posix/ScratchFolder.h"
#include "platform/posix/XfsLogBudget.h"

namespace platform::journal {

// What XFS tells of its log (XFS_IOC_FSGEOMETRY).
struct XfsGeometry {
  std::uint32_t blockSize = 0;
  std::uint32_t inodeSize = 0;
  std::uint64_t logBytes = 0;
  bool internalLog = false;  // the log lies inside the file system (not on another device)
};
// The geometry of the XFS file system holding the open descriptor; none when it is not XFS or
// cannot tell.
std::optional<XfsGeometry> readXfsGeometry(int fd);

class XfsLogCycle {
 public:
  // Scratch files changed per round: enough that a round writes whole log buffers, few enough
  // that a round is quick and the stop request is asked often.
  static constexpr std::uint64_t kFiles = 2000;
  // Fewer than this, where the file system has no room for more, makes too many rounds.
  static constexpr std::uint64_t kLeastFiles = 64;
  // What changing one scratch file's times puts into the log at the least: the inode's core in
  // the oldest format XFS mounts.
  static constexpr std::uint64_t kLeastBytesPerFile = 96;
  // Where the file system takes them, rounds change extended attributes of some of the files
  // instead of their times (ScratchFolder::changeAttributes): each such file keeps an attribute
  // of this size, more than the largest inodes (2 KiB) have room for, so that its attributes lie
  // in a block of their own, which each change puts through the log whole (about 4.5 KiB of log
  // per change against 260 bytes for times, measured on a loop image with a 1 GiB log); and less
  // than what that block holds itself (a little over 3,000 bytes in 4 KiB blocks), so that it
  // needs no second block, which the log would not carry anyway.
  static constexpr std::size_t kAttributeBytes = 2400;
  // A file's attribute for every this many bytes of log, within these bounds: a round then puts
  // about a thirtieth of a large log through it, and a log force, which costs the same however
  // much it carries, comes that much less often (a 1 GiB log is cleared an eighth faster than
  // with 500 files).
  static constexpr std::uint64_t kLogBytesPerAttributeFile = 128 * 1024;
  static constexpr std::uint64_t kLeastAttributeFiles = 500;
  static constexpr std::uint64_t kMostAttributeFiles = 8000;
  // The files whose attributes a round rewrites, for a log of `logBytes`.
  static std::uint64_t attributeFilesFor(std::uint64_t logBytes);

  // folder: an open descriptor of a folder of the file system, where the scratch folder is made;
  // headReport: the kernel's report of the log's head (/sys/fs/xfs/<device>/log/log_head_lsn).
  XfsLogCycle(int folder, std::uint64_t logBytes, std::string headReport,
              const JournalRequest& request);

  JournalOutcome run();

 private:
  JournalOutcome work(ScratchFolder& scratch, std::uint64_t& done);
  std::optional<LogPosition> readHead() const;
  bool stopped() const { return request_.stop && request_.stop(); }

  int folder_;
  std::uint64_t logBytes_;
  std::string headReport_;
  const JournalRequest& request_;
};

}  // namespace platform::journal
