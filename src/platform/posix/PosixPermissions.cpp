#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Permissions.h"

namespace platform {

Status allowRunning(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::error_code(errno, std::generic_category());
  struct stat status {};
  Status outcome;
  if (::fstat(fd, &status) != 0) {
    outcome = std::error_code(errno, std::generic_category());
  } else if (!S_ISREG(status.st_mode)) {
    outcome = FileError::NotAFile;
  } else {
    const mode_t mode = status.st_mode & 07777;
    // Each read bit brings the execute bit of the same class (r = 4 -> x = 1).
    if (::fchmod(fd, mode | ((mode & 0444) >> 2)) != 0) {
      outcome = std::error_code(errno, std::generic_category());
    }
  }
  ::close(fd);
  return outcome;
}

}  // namespace platform
