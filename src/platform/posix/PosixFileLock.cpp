#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/FileLock.h"
#include "platform/posix/PosixFile.h"

namespace platform {

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
  if (file.empty()) return std::make_error_code(std::errc::invalid_argument);
  const std::string lockFile = lockFileOf(file);
  // Opened for reading only, so that a lock file the administrator made for a user's file still
  // serves that user; never through a link, never anything but an ordinary file.
  int fd = -1;
  do {
    fd = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return posix::lastError();
  FileLock lock(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return posix::lastError();
  if (!S_ISREG(st.st_mode)) return FileError::NotAFile;
  // Readable by all whatever the umask: the administrator's program may make the lock file of a
  // user's settings, which the user's own program must then still open. It holds nothing.
  if (st.st_uid == ::geteuid() && (st.st_mode & 0644) != 0644) {
    ::fchmod(fd, (st.st_mode & 07777) | 0644);
  }
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    // A file system that keeps no locks (some network and FUSE ones) cannot keep other processes
    // out; the change goes on as it would without a lock rather than never being written.
    if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS) break;
    return posix::lastError();
  }
  return Result<FileLock>(std::move(lock));
}

}  // namespace platform
