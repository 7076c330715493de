#include "platform/posix/ScratchFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/Journal.h"

namespace platform::journal {
namespace {

// How many files are made between two questions whether to stop.
constexpr std::uint64_t kFilesBetweenStopChecks = 256;
// Times far in the past that no one else gives a file: each round sets the next second.
constexpr std::int64_t kFirstTime = 1'000'000'000;

std::string randomSuffix() {
  std::random_device device;
  static const char digits[] = "0123456789abcdef";
  std::string text;
  for (std::size_t i = 0; i < kScratchSuffixLength; ++i) text += digits[device() % 16];
  return text;
}

}  // namespace

ScratchFolder::~ScratchFolder() {
  remove();
}

int ScratchFolder::make() {
  struct stat parent {};
  if (::fstat(parent_, &parent) != 0) return errno;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string name = std::string(kScratchFolderPrefix) + randomSuffix();
    if (::mkdirat(parent_, name.c_str(), 0700) != 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    name_ = name;
    folder_ = ::openat(parent_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder_ < 0) return errno;
    struct stat made {};
    if (::fstat(folder_, &made) != 0) return errno;
    // Something mounted over it in between would take the commits elsewhere.
    return made.st_dev == parent.st_dev ? 0 : EXDEV;
  }
  return EEXIST;
}

int ScratchFolder::makeFiles(std::uint64_t count, const std::function<bool()>& stop) {
  while (files_ < count) {
    if (files_ % kFilesBetweenStopChecks == 0 && stop && stop()) return ECANCELED;
    const int fd = ::openat(folder_, std::to_string(files_).c_str(),
                            O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    ::close(fd);
    ++files_;
  }
  return 0;
}

int ScratchFolder::openFirst() const {
  return ::openat(folder_, "0", O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
}

int ScratchFolder::touchAll() {
  ++round_;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {kFirstTime + round_, 0}};
  for (std::uint64_t index = files_; index-- > 0;) {
    if (::utimensat(folder_, std::to_string(index).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
      return errno;
    }
  }
  return 0;
}

int ScratchFolder::remove() {
  if (name_.empty()) return 0;
  int error = 0;
  if (folder_ >= 0) {
    for (std::uint64_t index = 0; index < files_; ++index) {
      if (::unlinkat(folder_, std::to_string(index).c_str(), 0) != 0 && errno != ENOENT && !error) {
        error = errno;
      }
    }
    ::close(folder_);
    folder_ = -1;
  }
  files_ = 0;
  if (::unlinkat(parent_, name_.c_str(), AT_REMOVEDIR) != 0 && !error) error = errno;
  name_.clear();
  return error;
}

}  // namespace platform::journal
