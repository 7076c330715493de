#include "platform/posix/ScratchFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/Journal.h"
#include "platform/posix/MountPlace.h"

namespace platform::journal {
namespace {

using posix::MountPlace;
using posix::onOtherMount;
using posix::placeOf;

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
  MountPlace parent;
  if (!placeOf(parent_, parent)) return errno;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const std::string name = std::string(kScratchFolderPrefix) + randomSuffix();
    if (::mkdirat(parent_, name.c_str(), 0700) != 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    name_ = name;
    folder_ = ::openat(parent_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder_ < 0) return errno;
    MountPlace made;
    if (!placeOf(folder_, made)) return errno;
    // Something mounted over it in between (a bind mount of the same file system too) would take
    // the commits elsewhere.
    return onOtherMount(parent, made, {}) ? EXDEV : 0;
  }
  return EEXIST;
}

int ScratchFolder::makeFile(std::uint64_t* inode) {
  const int fd = ::openat(folder_, std::to_string(files_).c_str(),
                          O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  ++files_;
  struct stat file {};
  const int error = inode && ::fstat(fd, &file) != 0 ? errno : 0;
  ::close(fd);
  if (inode && !error) *inode = static_cast<std::uint64_t>(file.st_ino);
  return error;
}

int ScratchFolder::openFile(std::uint64_t index) const {
  return ::openat(folder_, std::to_string(index).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
}

int ScratchFolder::touch(const std::vector<std::uint64_t>& files) {
  ++round_;
  const struct timespec times[2] = {{0, UTIME_OMIT}, {kFirstTime + round_, 0}};
  for (auto index = files.rbegin(); index != files.rend(); ++index) {
    if (::utimensat(folder_, std::to_string(*index).c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
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
