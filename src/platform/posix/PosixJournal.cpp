// The journals of Linux file systems. An ext4 journal is described by the kernel's reports in
// /proc (its log size, its commits and fast commits) and by the space map of the file system
// (FS_IOC_GETFSMAP, for the inode size); all of them can be read without privileges. The
// administrator's way to clear it is EXT4_IOC_CHECKPOINT with the zero-out flag, which empties
// the journal and writes zeros over all of it; everybody else's is JournalRewrite. An XFS log is
// described by the file system's geometry and its head by the kernel's report in /sys; no call
// empties it, so it is written over with XfsLogCycle, by anybody who may write the folder.

#include <fcntl.h>
#include <linux/fsmap.h>
#include <linux/magic.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "platform/Journal.h"
#include "platform/PathText.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/JournalReports.h"
#include "platform/posix/JournalRewrite.h"
#include "platform/posix/XfsLogCycle.h"

// Linux 5.14 and later; older system headers do not have it.
#ifndef EXT4_IOC_CHECKPOINT
#define EXT4_IOC_CHECKPOINT _IOW('f', 43, __u32)
#endif

namespace platform {
namespace {

constexpr __u32 kCheckpointZeroOut = 2;
constexpr __u32 kCheckpointDryRun = 4;
// Owner of inode-table blocks in the space map (ext4 uses the codes XFS defined; the system
// headers carry only the generic ones).
constexpr std::uint64_t kOwnerInodes = FMR_OWNER('X', 5);
// Records asked for per call of the space map, and the most read in all (a file system has a
// handful per block group).
constexpr unsigned kMapRecordsPerCall = 256;
constexpr std::uint64_t kMostMapRecords = 1u << 20;

using posix::Descriptor;

// The kernel's name of a block device ("sda1", "dm-0"): the last part of its link in /sys.
std::string deviceName(dev_t device) {
  const std::string link =
      "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device));
  char target[4096];
  const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
  if (length <= 0) return {};
  return fileNameOf(std::string_view(target, static_cast<std::size_t>(length)));
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

// The size of an inode: the bytes of all inode tables in the space map over the number of
// inodes. 0 when the map cannot be read or the result is not a possible inode size.
std::uint32_t inodeSizeOf(int fd, std::uint64_t inodes, std::uint32_t blockSize) {
  if (inodes == 0) return 0;
  const std::size_t bytes = sizeof(fsmap_head) + kMapRecordsPerCall * sizeof(fsmap);
  std::unique_ptr<unsigned char[]> buffer(new unsigned char[bytes]());
  auto* head = reinterpret_cast<fsmap_head*>(buffer.get());
  head->fmh_keys[1].fmr_device = ~0u;
  head->fmh_keys[1].fmr_flags = ~0u;
  head->fmh_keys[1].fmr_physical = ~0ull;
  head->fmh_keys[1].fmr_owner = ~0ull;
  head->fmh_keys[1].fmr_offset = ~0ull;
  std::uint64_t tableBytes = 0;
  for (std::uint64_t seen = 0; seen < kMostMapRecords;) {
    head->fmh_count = kMapRecordsPerCall;
    head->fmh_entries = 0;
    if (::ioctl(fd, FS_IOC_GETFSMAP, head) != 0) return 0;
    if (head->fmh_entries == 0) break;
    seen += head->fmh_entries;
    for (unsigned i = 0; i < head->fmh_entries; ++i) {
      if (head->fmh_recs[i].fmr_owner == kOwnerInodes) {
        tableBytes += head->fmh_recs[i].fmr_length;
      }
    }
    const fsmap& last = head->fmh_recs[head->fmh_entries - 1];
    if (last.fmr_flags & FMR_OF_LAST) break;
    head->fmh_keys[0] = last;  // the next call goes on after the last record
  }
  const std::uint64_t size = tableBytes / inodes;
  const bool possible =
      size >= 128 && size <= blockSize && (size & (size - 1)) == 0 && size * inodes == tableBytes;
  return possible ? static_cast<std::uint32_t>(size) : 0;
}

unsigned kernelTransactionsPerLog() {
  struct utsname names {};
  if (::uname(&names) != 0) return 4;
  auto version = journal::parseKernelRelease(names.release);
  // Unknown: a quarter, which never makes the log seem smaller than it is.
  return version ? journal::transactionsPerLog(*version) : 4;
}

journal::ReportFiles reportFiles(const std::string& device) {
  return {"/proc/fs/jbd2/" + device + "-8/info", "/proc/fs/ext4/" + device + "/fc_info"};
}

std::string xfsHeadReport(const std::string& device) {
  return "/sys/fs/xfs/" + device + "/log/log_head_lsn";
}

JournalInfo inspectXfs(int fd, const struct stat& st) {
  JournalInfo info;
  info.xfs = true;
  info.journal = true;  // XFS always keeps a log
  info.device = deviceName(st.st_dev);
  if (const auto geometry = journal::readXfsGeometry(fd)) {
    info.internal = geometry->internalLog;
    info.journalBytes = geometry->internalLog ? geometry->logBytes : 0;
    info.blockSize = geometry->blockSize;
    info.inodeSize = geometry->inodeSize;
  }
  return info;
}

// Whether the log cycle can run in the folder: the log is inside the file system and its size
// known, and the caller may make the scratch folder there.
bool canCycleXfsLog(int fd, const JournalInfo& info) {
  struct statvfs space {};
  return info.internal && info.journalBytes > 0 && ::fstatvfs(fd, &space) == 0 &&
         !(space.f_flag & ST_RDONLY) && space.f_favail > journal::XfsLogCycle::kLeastFiles &&
         ::faccessat(fd, ".", W_OK | X_OK, AT_EACCESS) == 0;
}

JournalInfo inspectOpen(int fd) {
  JournalInfo info;
  struct statfs type {};
  struct stat st {};
  if (::fstatfs(fd, &type) != 0 || ::fstat(fd, &st) != 0) return info;
  if (type.f_type == XFS_SUPER_MAGIC) return inspectXfs(fd, st);
  if (type.f_type != EXT4_SUPER_MAGIC) return info;
  info.device = deviceName(st.st_dev);
  // The ext2 driver reports the same magic number but keeps no folder in /proc/fs/ext4.
  if (info.device.empty() || !exists("/proc/fs/ext4/" + info.device)) return info;
  info.ext4 = true;
  struct statvfs space {};
  if (::fstatvfs(fd, &space) == 0) info.blockSize = static_cast<std::uint32_t>(space.f_bsize);

  const journal::ReportFiles reports = reportFiles(info.device);
  if (auto commits = journal::parseCommitReport(journal::readReportFile(reports.commits))) {
    info.journal = true;
    info.internal = true;  // the journal's report bears the file system's own device name
    info.journalBytes = commits->maxTransactionBlocks * kernelTransactionsPerLog() * info.blockSize;
  } else {
    // A journal on another device reports under that device's name; the mount options still
    // show how data is journalled, which a file system without a journal does not.
    const std::string options =
        journal::readReportFile("/proc/fs/ext4/" + info.device + "/options");
    info.journal = options.find("\ndata=") != std::string::npos || options.rfind("data=", 0) == 0;
  }
  // The mount's options as the file system reports them, with how it journals data.
  const std::string options = journal::readReportFile("/proc/fs/ext4/" + info.device + "/options");
  info.dataJournal =
      options.find("\ndata=journal") != std::string::npos || options.rfind("data=journal", 0) == 0;
  if (auto fast = journal::parseFastCommitReport(journal::readReportFile(reports.fastCommits))) {
    info.fastCommit = fast->commits || fast->ineligible ? FastCommit::On : FastCommit::Unknown;
  } else {
    info.fastCommit = FastCommit::Off;
  }
  if (info.journal) info.inodeSize = inodeSizeOf(fd, space.f_files, info.blockSize);
  return info;
}

JournalOutcome outcomeOf(JournalResult result, JournalWay way, int error = 0,
                         std::string detail = {}) {
  JournalOutcome outcome;
  outcome.result = result;
  outcome.way = way;
  if (error) outcome.error = std::error_code(error, std::generic_category());
  outcome.detail = std::move(detail);
  return outcome;
}

JournalOutcome checkpoint(int fd, const JournalInfo& info, const JournalRequest& request) {
  if (request.progress) request.progress(0, info.journalBytes);
  __u32 flags = kCheckpointZeroOut;
  if (::ioctl(fd, EXT4_IOC_CHECKPOINT, &flags) != 0) {
    const int error = errno;
    switch (error) {
      case EPERM:
      case EACCES:
        return outcomeOf(JournalResult::NotPermitted, JournalWay::Checkpoint, error);
      case ENOTTY:
      case EINVAL:
      case EOPNOTSUPP:
        return outcomeOf(JournalResult::Unsupported, JournalWay::Checkpoint, error);
      case ENODEV:
        return outcomeOf(JournalResult::NoJournal, JournalWay::Checkpoint);
      default:
        return outcomeOf(JournalResult::Failed, JournalWay::Checkpoint, error,
                         "the journal could not be emptied");
    }
  }
  if (::syncfs(fd) != 0) {
    return outcomeOf(JournalResult::Failed, JournalWay::Checkpoint, errno,
                     "the file system could not be forced to the device");
  }
  if (request.progress) request.progress(info.journalBytes, info.journalBytes);
  JournalOutcome outcome = outcomeOf(JournalResult::Cleaned, JournalWay::Checkpoint);
  outcome.bytes = info.journalBytes;
  return outcome;
}

class PosixJournals final : public Journals {
 public:
  std::optional<std::uint64_t> volumeOf(const std::string& path) override {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_dev);
  }

  JournalInfo inspect(const std::string& folder) override {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.get() < 0 ? JournalInfo{} : inspectOpen(fd.get());
  }

  bool canEmpty(const std::string& folder) override {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    const JournalInfo info = inspectOpen(fd.get());
    if (info.xfs) return canCycleXfsLog(fd.get(), info);
    if (!info.journal) return false;
    // The kernel checks the caller's privilege before it looks at the dry-run flag.
    __u32 flags = kCheckpointZeroOut | kCheckpointDryRun;
    return ::ioctl(fd.get(), EXT4_IOC_CHECKPOINT, &flags) == 0;
  }

  JournalOutcome clean(const JournalRequest& request) override {
    Descriptor fd(::open(request.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
      return outcomeOf(JournalResult::Failed, JournalWay::Auto, errno,
                       "the folder could not be opened");
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
      return outcomeOf(JournalResult::Failed, JournalWay::Auto, errno,
                       "the folder could not be read");
    }
    if (request.volume && static_cast<std::uint64_t>(st.st_dev) != *request.volume) {
      return outcomeOf(JournalResult::Changed, JournalWay::Auto);
    }
    const JournalInfo info = inspectOpen(fd.get());
    if (info.xfs) {
      if (request.way == JournalWay::Checkpoint) {
        return outcomeOf(JournalResult::Unsupported, JournalWay::Checkpoint, 0,
                         "XFS offers no call that empties its log");
      }
      if (!info.internal) return outcomeOf(JournalResult::ExternalJournal, JournalWay::Rewrite);
      journal::XfsLogCycle cycle(fd.get(), info.journalBytes, xfsHeadReport(info.device), request);
      return cycle.run();
    }
    if (!info.ext4) return outcomeOf(JournalResult::NotExt4, JournalWay::Auto);
    if (!info.journal) return outcomeOf(JournalResult::NoJournal, JournalWay::Auto);

    if (request.way != JournalWay::Rewrite) {
      JournalOutcome emptied = checkpoint(fd.get(), info, request);
      // Where the administrator's way is refused or missing, Auto goes on the other way.
      if (request.way == JournalWay::Checkpoint || emptied.result == JournalResult::Cleaned ||
          emptied.result == JournalResult::NoJournal) {
        return emptied;
      }
    }
    if (!info.internal) return outcomeOf(JournalResult::ExternalJournal, JournalWay::Rewrite);
    journal::JournalRewrite rewrite(fd.get(), info, reportFiles(info.device), request);
    return rewrite.run();
  }
};

}  // namespace

Journals& realJournals() {
  static PosixJournals journals;
  return journals;
}

}  // namespace platform
