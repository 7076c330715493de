#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "platform/FileLock.h"
#include "platform/Signals.h"
#include "platform/posix/PosixFile.h"

namespace platform {
namespace {

// How often a wait for the lock looks again, and at the stop signals.
constexpr std::chrono::milliseconds kLookAgain{20};

std::chrono::milliseconds& installedWait() {
  static std::chrono::milliseconds wait{5000};
  return wait;
}

// Opens the lock file, never through a link and never anything but an ordinary file of the
// caller's; made (mode 0600) when `create` says so. Read access is all a lock needs.
Result<int> openLockFile(const std::string& lockFile, bool create) {
  const int flags = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | (create ? O_CREAT : 0);
  int fd = -1;
  do {
    fd = ::open(lockFile.c_str(), flags, 0600);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return posix::lastError();
  struct stat st {};
  std::error_code refused;
  if (::fstat(fd, &st) != 0) {
    refused = posix::lastError();
  } else if (!S_ISREG(st.st_mode)) {
    refused = FileError::NotAFile;
  } else if (st.st_uid != ::geteuid()) {
    // Another user made it (or the administrator, for a user's settings): whoever may open it
    // may hold the lock, so it is not used.
    refused = FileError::NotOwn;
  } else if ((st.st_mode & 077) != 0) {
    // Made open to others by an earlier version: closed now, so that no one else opens it from
    // here on. Where the file system keeps no modes this fails, and the file is used as it is.
    if (::fchmod(fd, 0600) != 0) {
    }
  }
  if (refused) {
    ::close(fd);
    return refused;
  }
  return fd;
}

}  // namespace

std::chrono::milliseconds lockWait() {
  return installedWait();
}

std::chrono::milliseconds setLockWait(std::chrono::milliseconds wait) {
  return std::exchange(installedWait(), wait);
}

FileLock::~FileLock() {
  if (descriptor_ >= 0) ::close(descriptor_);  // closing the only descriptor releases the lock
}

FileLock::FileLock(FileLock&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
  }
  return *this;
}

std::string FileLock::lockFileOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return file.substr(0, nameStart) + "." + file.substr(nameStart) + ".lock";
}

Result<FileLock> FileLock::acquire(const std::string& file) {
  return acquire(file, lockWait());
}

Result<FileLock> FileLock::acquire(const std::string& file, std::chrono::milliseconds wait) {
  if (file.empty()) return std::make_error_code(std::errc::invalid_argument);
  const auto fd = openLockFile(lockFileOf(file), true);
  if (!fd) return fd.error();
  FileLock lock(*fd);
  const auto giveUp = std::chrono::steady_clock::now() + wait;
  // Never a blocking wait: a lock held for ever must not keep the program for ever, and a stop
  // signal is looked at between the tries.
  while (::flock(*fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    // A file system that keeps no locks (some network and FUSE ones) cannot keep other processes
    // out; the change goes on as it would without a lock rather than never being written.
    if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS) break;
    if (errno != EWOULDBLOCK) return posix::lastError();
    if (stopSignal() != 0) return std::make_error_code(std::errc::operation_canceled);
    const auto now = std::chrono::steady_clock::now();
    if (now >= giveUp) return std::make_error_code(std::errc::operation_would_block);
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(kLookAgain, giveUp - now));
  }
  return Result<FileLock>(std::move(lock));
}

bool FileLock::isHeld(const std::string& file) {
  if (file.empty()) return false;
  const auto fd = openLockFile(lockFileOf(file), false);
  if (!fd) return false;  // no lock file (or not the caller's): no lock of the caller's is held
  int result = -1;
  do {
    result = ::flock(*fd, LOCK_SH | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  const bool held = result != 0 && errno == EWOULDBLOCK;
  ::close(*fd);  // lets go of the shared lock taken to see
  return held;
}

}  // namespace platform
