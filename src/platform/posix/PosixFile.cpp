#include "platform/posix/PosixFile.h"

#include "platform/posix/FileExtents.h"
#include "platform/posix/MountPlace.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace platform::posix {
namespace {

// Reads that bypass the cache start, end and land on multiples of this (the largest logical
// block size of common devices).
constexpr std::uint64_t kDirectAlignment = 4096;
// The most a read-back reads in one call.
constexpr std::size_t kMostReadBack = 8u << 20;

// cachestat (Linux 6.5): how many pages of a range of a file are cached, dirty, being written.
#if defined(SYS_cachestat)
constexpr long kCachestatCall = SYS_cachestat;
#elif defined(__x86_64__) || defined(__i386__) || defined(__aarch64__) || defined(__arm__) || \
    defined(__riscv)
constexpr long kCachestatCall = 451;
#else
constexpr long kCachestatCall = -1;
#endif
struct CacheRange {
  std::uint64_t off;
  std::uint64_t len;
};
struct CacheStat {
  std::uint64_t cached;
  std::uint64_t dirty;
  std::uint64_t writeback;
  std::uint64_t evicted;
  std::uint64_t recentlyEvicted;
};

EntryKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::File;
  if (S_ISDIR(mode)) return EntryKind::Folder;
  if (S_ISLNK(mode)) return EntryKind::Link;
  return EntryKind::Other;
}

std::uint32_t attributesOf(const std::string& name, mode_t mode) {
  std::uint32_t attributes = 0;
  if (S_ISDIR(mode)) attributes |= AttrDirectory;
  if (!S_ISLNK(mode) && !(mode & S_IWUSR)) attributes |= AttrReadOnly;
  if (!name.empty() && name[0] == '.') attributes |= AttrHidden;
  if (attributes == 0) attributes = AttrNormal;
  return attributes;
}

}  // namespace

uid_t callerUser() {
  // Asked once: the program does not change its user while it runs. A child that a fork made
  // (and that may give up its rights) asks again.
  static uid_t known = [] {
    ::pthread_atfork(nullptr, nullptr, [] { known = static_cast<uid_t>(-1); });
    return static_cast<uid_t>(-1);
  }();
  if (known == static_cast<uid_t>(-1)) known = ::geteuid();
  return known;
}

std::error_code lastError() {
  return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

Result<FileInfo> statAt(int folderFd, const char* name, int flags, const std::string& ownName) {
  struct statx st {};
  if (::statx(folderFd, name, flags, STATX_BASIC_STATS | STATX_MNT_ID, &st) != 0) {
    return lastError();
  }
  FileInfo info;
  info.kind = kindOfMode(st.stx_mode);
  info.size = S_ISREG(st.stx_mode) ? st.stx_size : 0;
  info.attributes = attributesOf(ownName, st.stx_mode);
  info.id = {static_cast<std::uint64_t>(makedev(st.stx_dev_major, st.stx_dev_minor)), st.stx_ino};
  info.links = st.stx_nlink;
  info.mount = reportedMount(st.stx_mask, st.stx_mnt_id);
  info.ownedByCaller = st.stx_uid == callerUser();
  info.changed =
      static_cast<std::int64_t>(st.stx_ctime.tv_sec) * 1'000'000'000 + st.stx_ctime.tv_nsec;
  info.owner = st.stx_uid;
  info.modifiedNs =
      static_cast<std::int64_t>(st.stx_mtime.tv_sec) * 1000000000 + st.stx_mtime.tv_nsec;
  return info;
}

Result<int> openRegularAt(int folderFd, const char* path, int flags, mode_t mode,
                          FileInfo* opened) {
  const int fd = ::openat(folderFd, path, flags | O_CLOEXEC | O_NONBLOCK, mode);
  if (fd < 0) return lastError();
  std::error_code refused;
  if (opened) {
    // What the caller wants to know of the open file anyway answers whether it is one.
    auto info = statAt(fd, "", AT_EMPTY_PATH, std::string());
    if (!info) {
      refused = info.error();
    } else if (info->kind != EntryKind::File) {
      refused = FileError::NotAFile;
    } else {
      *opened = *info;
    }
  } else {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
      refused = lastError();
    } else if (!S_ISREG(st.st_mode)) {
      refused = FileError::NotAFile;
    }
  }
  if (refused) {
    ::close(fd);
    return refused;
  }
  // The flags are the ones asked for: setting them back without O_NONBLOCK needs no question.
  ::fcntl(fd, F_SETFL, (flags | O_CLOEXEC) & ~O_NONBLOCK);
  return fd;
}

PosixFile::~PosixFile() {
  // The descriptor may not go while the system still flushes through it.
  while (flushStarted_ && !flushEnded()) {
    const aiocb* pending[] = {&flushing_};
    ::aio_suspend(pending, 1, nullptr);
  }
  if (reader_ >= 0) ::close(reader_);
  if (cachedReader_ >= 0) ::close(cachedReader_);
  ::close(fd_);
}

Status PosixFile::write(const void* data, std::size_t length) {
  const char* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < length) {
    const ssize_t n = ::write(fd_, bytes + done, length - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return lastError();
    if (n == 0) return std::make_error_code(std::errc::no_space_on_device);
    done += static_cast<std::size_t>(n);
    position_ += static_cast<std::uint64_t>(n);
  }
  return {};
}

Status PosixFile::seek(std::uint64_t position) {
  // Only this object moves the descriptor's offset, so it is known to be there already.
  if (position != position_ && ::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) {
    return lastError();
  }
  position_ = position;
  // What is written from here on has no write-back of its own yet.
  written_back_ = position;
  settled_ = position;
  return {};
}

Result<std::uint64_t> PosixFile::size() {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return lastError();
  return static_cast<std::uint64_t>(st.st_size);
}

Result<FileInfo> PosixFile::info() {
  return statAt(fd_, "", AT_EMPTY_PATH, std::string());
}

bool PosixFile::askFileSystem() {
  if (fileSystemType_) return true;
  struct statfs sf {};
  if (::fstatfs(fd_, &sf) != 0) return false;
  fileSystemType_ = static_cast<std::uint64_t>(sf.f_type) & 0xFFFFFFFFu;
  fragmentSize_ = static_cast<std::uint32_t>(sf.f_frsize);
  return true;
}

std::uint32_t PosixFile::clusterSize() {
  return askFileSystem() ? fragmentSize_ : 0;
}

bool PosixFile::inMemory() {
  return askFileSystem() && knownInMemory();
}

bool PosixFile::knownInMemory() const {
  return fileSystemType_ && isInMemory(*fileSystemType_);
}

Status PosixFile::flush() {
  if (::fdatasync(fd_) != 0) return lastError();
  written_back_ = position_;
  settled_ = position_;
  return {};
}

Status PosixFile::startFlush() {
  if (flushStarted_) return {};
  flushOutcome_.reset();
  flushing_ = aiocb{};
  flushing_.aio_fildes = fd_;
  flushing_.aio_sigevent.sigev_notify = SIGEV_NONE;
  // A file system in memory has no device to wait for: its flush ends at once, and handing it
  // to another thread would cost more than the flush.
  if (inMemory()) {
    flushOutcome_ = flush();
  } else if (::aio_fsync(O_DSYNC, &flushing_) == 0) {
    flushStarted_ = true;
  } else {
    flushOutcome_ = flush();  // no flush without waiting here: this one waits
  }
  return {};
}

std::optional<Status> PosixFile::flushEnded() {
  if (!flushStarted_) return flushOutcome_ ? flushOutcome_ : Status();
  const int error = ::aio_error(&flushing_);
  if (error == EINPROGRESS) return std::nullopt;
  flushStarted_ = false;
  ::aio_return(&flushing_);
  if (error != 0) {
    flushOutcome_ = Status(std::error_code(error, std::generic_category()));
  } else {
    written_back_ = position_;
    settled_ = position_;
    flushOutcome_ = Status();
  }
  return flushOutcome_;
}

std::optional<Status> PosixFile::waitFlush(std::chrono::milliseconds timeout) {
  if (flushStarted_ && ::aio_error(&flushing_) == EINPROGRESS) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    const timespec limit{
        static_cast<time_t>(seconds.count()),
        static_cast<long>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(timeout - seconds).count())};
    const aiocb* pending[] = {&flushing_};
    // Returns when the flush ends, when the time is up or on a signal; flushEnded tells which.
    ::aio_suspend(pending, 1, &limit);
  }
  return flushEnded();
}

void PosixFile::waitWritten(std::uint64_t most) {
  if (position_ <= settled_ || most == 0) return;
  const std::uint64_t upTo = std::min(position_, settled_ + most);
  ::sync_file_range(
      fd_, static_cast<off_t>(settled_), static_cast<off_t>(upTo - settled_),
      SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
  written_back_ = std::max(written_back_, upTo);
  settled_ = upTo;
}

void PosixFile::startWriteback() {
  // A file system in memory writes nothing back.
  if (knownInMemory()) return;
  if (position_ > written_back_) {
    ::sync_file_range(fd_, static_cast<off_t>(written_back_),
                      static_cast<off_t>(position_ - written_back_), SYNC_FILE_RANGE_WRITE);
    written_back_ = position_;
  }
}

bool PosixFile::unwrittenBeyond(std::uint64_t behind) {
  if (position_ <= settled_ || position_ - settled_ <= behind) return false;
  if (knownInMemory()) {
    settled_ = position_ - behind;  // nothing of it goes to a device
    return false;
  }
  const std::uint64_t upTo = position_ - behind;
  const auto from = static_cast<off_t>(settled_);
  const auto length = static_cast<off_t>(upTo - settled_);
  written_back_ = std::max(written_back_, upTo);
  if (canAskCache_ && kCachestatCall >= 0) {
    // Starts what is dirty and not yet on its way, without waiting for anything under way.
    ::sync_file_range(fd_, from, length, SYNC_FILE_RANGE_WRITE);
    CacheRange range{settled_, upTo - settled_};
    CacheStat stat{};
    if (::syscall(kCachestatCall, fd_, &range, &stat, 0) == 0) {
      if (stat.writeback > 0) return true;
      // Written; or dirty pages that nothing writes back (a file system in memory).
      settled_ = upTo;
      return false;
    }
    canAskCache_ = false;
  }
  // Waits for all of it to reach the device.
  ::sync_file_range(
      fd_, from, length,
      SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
  settled_ = upTo;
  return false;
}

Status PosixFile::truncate(std::uint64_t size) {
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) return lastError();
  return {};
}

Status PosixFile::openReader(bool direct) {
  if (reader_ >= 0) ::close(reader_);
  // The same open file once more, for reading: the file written is open for writing only, and
  // a path could name another file by now.
  const std::string self = "/proc/self/fd/" + std::to_string(fd_);
  reader_ = direct ? ::open(self.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC) : -1;
  direct_ = reader_ >= 0;
  if (reader_ < 0 && (!direct || errno == EINVAL)) {
    reader_ = ::open(self.c_str(), O_RDONLY | O_CLOEXEC);  // no O_DIRECT on this file system
  }
  if (reader_ < 0) return lastError();
  // Without O_DIRECT the cached pages, clean after the flush, are dropped, so that the reads
  // come from the device.
  if (!direct_) ::posix_fadvise(reader_, 0, 0, POSIX_FADV_DONTNEED);
  return {};
}

Result<std::string_view> PosixFile::readCached(std::uint64_t offset, std::size_t length) {
  if (cachedReader_ < 0) {
    // The file written is open for writing only, and a path could name another file by now.
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    cachedReader_ = ::open(self.c_str(), O_RDONLY | O_CLOEXEC);
    if (cachedReader_ < 0) return lastError();
  }
  cachedBytes_.resize(length);
  std::size_t got = 0;
  while (got < length) {
    const ssize_t n = ::pread(cachedReader_, cachedBytes_.data() + got, length - got,
                              static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return lastError();
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return std::string_view(cachedBytes_.data(), got);
}

Status PosixFile::startReadBack() {
  if (reader_ < 0) return openReader(true);
  if (!direct_) ::posix_fadvise(reader_, 0, 0, POSIX_FADV_DONTNEED);
  return {};
}

Result<std::string_view> PosixFile::readBack(std::uint64_t offset, std::size_t maxLength) {
  if (reader_ < 0) {
    if (const Status started = startReadBack(); !started) return started.error();
  }
  maxLength = std::min(maxLength, kMostReadBack);
  // Whole aligned blocks around what is asked for, read into an aligned buffer.
  const std::uint64_t start = offset / kDirectAlignment * kDirectAlignment;
  const auto skip = static_cast<std::size_t>(offset - start);
  const std::size_t wanted =
      (skip + maxLength + kDirectAlignment - 1) / kDirectAlignment * kDirectAlignment;
  if (readBuffer_.size() < wanted + kDirectAlignment) readBuffer_.resize(wanted + kDirectAlignment);
  const auto address = reinterpret_cast<std::uintptr_t>(readBuffer_.data());
  char* buffer =
      readBuffer_.data() + (kDirectAlignment - address % kDirectAlignment) % kDirectAlignment;
  std::size_t got = 0;
  while (got < wanted) {
    const ssize_t n = ::pread(reader_, buffer + got, wanted - got, static_cast<off_t>(start + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EINVAL && direct_) {
      // The file system took O_DIRECT but refuses these reads: read through the cache, emptied.
      if (const Status reopened = openReader(false); !reopened) return reopened.error();
      continue;
    }
    if (n < 0) return lastError();
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
    // A direct read ends short only at the end of the file.
    if (direct_ && static_cast<std::uint64_t>(n) % kDirectAlignment != 0) break;
  }
  if (got <= skip) return std::string_view();
  return std::string_view(buffer + skip, std::min(got - skip, maxLength));
}

Result<FileLayout> PosixFile::layout() {
  if (!askFileSystem()) return lastError();
  return readFileLayout(fd_, *fileSystemType_);
}

}  // namespace platform::posix
