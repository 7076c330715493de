// The process table of Linux, read from /proc (or a folder of the same shape).

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>

#include "platform/Processes.h"

namespace platform {
namespace {

constexpr const char* kProcessFolder = "/proc/";

std::string folderOrDefault(const std::string& folder) {
  if (folder.empty()) return kProcessFolder;
  return folder.back() == '/' ? folder : folder + "/";
}

bool allDigits(const char* name) {
  if (!*name) return false;
  for (; *name; ++name) {
    if (!std::isdigit(static_cast<unsigned char>(*name))) return false;
  }
  return true;
}

// The names of a folder that are numbers.
std::vector<std::string> numberedEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir)) {
    if (allDigits(entry->d_name)) names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  return names;
}

}  // namespace

std::uint32_t currentUserId() {
  return ::getuid();
}

std::vector<EntryId> openFileIds(const std::string& processFolder, std::size_t limit) {
  std::vector<EntryId> ids;
  const std::string base = folderOrDefault(processFolder);
  for (const std::string& process : numberedEntries(base)) {
    const std::string fdFolder = base + process + "/fd/";
    for (const std::string& fd : numberedEntries(fdFolder)) {
      if (ids.size() >= limit) return ids;
      struct stat st {};
      if (::stat((fdFolder + fd).c_str(), &st) != 0) continue;
      ids.push_back({static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)});
    }
  }
  return ids;
}

bool processRuns(const std::string& processFolder, long processId) {
  if (processId <= 0) return false;
  struct stat st {};
  const std::string path = folderOrDefault(processFolder) + std::to_string(processId);
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::string> linkTarget(const std::string& path) {
  char buffer[4096];
  const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
  if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer) return std::nullopt;
  return std::string(buffer, static_cast<std::size_t>(length));
}

bool lockedByOther(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  bool held = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
  // A whole-file lock (flock) is separate from record locks and cannot be asked about: trying
  // for it without waiting tells whether another holds it. Closing gives it back at once.
  if (!held && ::flock(fd, LOCK_EX | LOCK_NB) != 0) held = errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

}  // namespace platform
