#include "platform/posix/LinkFreeOpen.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/PathText.h"
#include "platform/posix/CurrentMounts.h"
#include "platform/posix/MountPlace.h"
#include "platform/posix/PosixFile.h"

namespace platform::posix {
namespace {

bool openat2Tried = true;

// How often an open that raced with a rename elsewhere on the system is tried again.
constexpr int kRaceRetries = 8;

// openat2 with the given rules: the descriptor, or -1 with errno set (ENOSYS where the system
// lacks the call or does not let the program use it).
int openat2Folder(int from, const char* path, std::uint64_t resolve) {
  if (!openat2Tried) {
    errno = ENOSYS;
    return -1;
  }
  open_how how{};
  how.flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
  how.resolve = resolve | RESOLVE_NO_MAGICLINKS;
  for (int attempt = 0;; ++attempt) {
    const long fd = ::syscall(SYS_openat2, from, path, &how, sizeof how);
    if (fd >= 0) return static_cast<int>(fd);
    // Kernels before openat2, and sandboxes whose filters do not know it (they answer EPERM;
    // opening a folder is otherwise refused with EACCES), take the folder-by-folder way.
    if (errno == EPERM || errno == E2BIG) errno = ENOSYS;
    if (errno != EAGAIN || attempt >= kRaceRetries) return -1;
  }
}

std::error_code linkOr(std::error_code error) {
  if (error == std::errc::too_many_symbolic_link_levels) return FileError::Link;
  return error;
}

// Whether a component of the relative path is "..": going up could leave the folder the open
// must stay in, and a path given here never needs it.
bool goesUp(const std::string& relative) {
  std::size_t begin = 0;
  while (begin <= relative.size()) {
    std::size_t end = relative.find('/', begin);
    if (end == std::string::npos) end = relative.size();
    if (relative.compare(begin, end - begin, "..") == 0) return true;
    begin = end + 1;
  }
  return false;
}

// The folders of `relative` opened one by one from `from`, none of them through a link; with
// `sameMount`, each checked to lie on the mount of `from` (FileError::MountPoint otherwise).
// `fromPath` names `from`, for the mount table where the system gives no mount numbers.
Result<int> walkFolders(int from, const std::string& relative, bool sameMount,
                        const std::string& fromPath) {
  MountPlace start;
  if (sameMount && !placeOf(from, start)) return lastError();
  int current = ::fcntl(from, F_DUPFD_CLOEXEC, 0);
  if (current < 0) return lastError();
  std::string path = fromPath.empty() ? std::string() : trimSeparators(fromPath);
  std::size_t begin = 0;
  while (begin <= relative.size()) {
    std::size_t end = relative.find('/', begin);
    if (end == std::string::npos) end = relative.size();
    const std::string name = relative.substr(begin, end - begin);
    begin = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      ::close(current);
      return std::make_error_code(std::errc::invalid_argument);
    }
    const int next =
        ::openat(current, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0) {
      std::error_code error = lastError();
      struct stat st {};
      if ((errno == ELOOP || errno == ENOTDIR) &&
          ::fstatat(current, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) {
        error = FileError::Link;
      }
      ::close(current);
      return linkOr(error);
    }
    ::close(current);
    current = next;
    if (!path.empty()) path = (path == "/" ? path : path + '/') + name;
    if (sameMount) {
      MountPlace here;
      if (!placeOf(current, here)) {
        const std::error_code error = lastError();
        ::close(current);
        return error;
      }
      if (onOtherMount(start, here, path)) {
        ::close(current);
        return FileError::MountPoint;
      }
    }
  }
  return current;
}

// The mount point that holds the path: the longest mount point that is the path or a folder
// above it. Empty when the mount table cannot be read.
std::string anchorOf(const std::string& path) {
  std::string best;
  for (const Mount& mount : *currentMounts()) {
    const std::string& point = mount.mountPoint;
    const bool holds = point == "/" || path == point ||
                       (path.size() > point.size() && path.compare(0, point.size(), point) == 0 &&
                        path[point.size()] == '/');
    if (holds && point.size() > best.size()) best = point;
  }
  return best;
}

}  // namespace

bool setOpenat2Tried(bool tried) {
  return std::exchange(openat2Tried, tried);
}

Result<int> openFolderBelow(int from, const std::string& relative, const std::string& fromPath) {
  const std::string path = relative.empty() ? std::string(".") : relative;
  if (path[0] == '/' || goesUp(path)) return std::make_error_code(std::errc::invalid_argument);
  const int fd =
      openat2Folder(from, path.c_str(), RESOLVE_NO_SYMLINKS | RESOLVE_NO_XDEV | RESOLVE_BENEATH);
  if (fd >= 0) return fd;
  // With ".." refused above, the only way out of `from` left to refuse is into another mount.
  if (errno == EXDEV) return FileError::MountPoint;
  if (errno != ENOSYS) return linkOr(lastError());
  return walkFolders(from, path, true, fromPath);
}

Result<int> openFolderWithoutLinks(const std::string& path) {
  const std::string own = trimSeparators(path);
  if (own.empty() || own[0] != '/') return std::make_error_code(std::errc::invalid_argument);
  const std::string found = anchorOf(own);
  // Without a mount table, the whole path is the part below "/", crossing mounts where it does.
  const bool sameMount = !found.empty();
  const std::string anchor = sameMount ? found : std::string(1, '/');
  // The anchor is a mount point as the system lists it; the mounts above it are crossed.
  int top = openat2Folder(AT_FDCWD, anchor.c_str(), RESOLVE_NO_SYMLINKS);
  if (top < 0 && errno != ENOSYS) return linkOr(lastError());
  if (top < 0) {
    const int root = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0) return lastError();
    const auto walked = walkFolders(root, anchor.substr(1), false, {});
    ::close(root);
    if (!walked) return walked.error();
    top = *walked;
  }
  std::size_t skip = anchor.size();
  while (skip < own.size() && own[skip] == '/') ++skip;
  const std::string relative = skip < own.size() ? own.substr(skip) : std::string();
  if (relative.empty()) return top;
  Result<int> opened = std::make_error_code(std::errc::invalid_argument);
  if (sameMount) {
    opened = openFolderBelow(top, relative, anchor);
  } else {
    const int fd = openat2Folder(top, relative.c_str(), RESOLVE_NO_SYMLINKS);
    opened = fd >= 0           ? Result<int>(fd)
             : errno == ENOSYS ? walkFolders(top, relative, false, {})
                               : Result<int>(linkOr(lastError()));
  }
  ::close(top);
  return opened;
}

std::uint64_t mountOf(int fd) {
  MountPlace place;
  return placeOf(fd, place) ? place.mount : 0;
}

}  // namespace platform::posix
