// Local sockets and their folders on Linux.

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/LocalChannel.h"
#include "platform/posix/Descriptor.h"

namespace platform {

std::optional<std::uint32_t> peerUserId(std::intptr_t socket) {
  if (socket < 0) return std::nullopt;
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (::getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
      size != sizeof credentials) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(credentials.uid);
}

namespace {

// The folder checked (and closed to others, with `close`) on its open descriptor, never through
// the path again.
Status privateFolder(const std::string& path, bool close) {
  const posix::Descriptor folder(
      ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (folder.get() < 0) {
    return errno == ELOOP || errno == ENOTDIR
               ? Status(FileError::NotOwn)
               : Status(std::error_code(errno, std::generic_category()));
  }
  struct stat st {};
  if (::fstat(folder.get(), &st) != 0) return std::error_code(errno, std::generic_category());
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return FileError::NotOwn;
  if ((st.st_mode & 077) == 0) return {};
  if (!close) return FileError::NotOwn;
  if (::fchmod(folder.get(), 0700) != 0) return std::error_code(errno, std::generic_category());
  return {};
}

}  // namespace

Status checkPrivateFolder(const std::string& path) {
  return privateFolder(path, false);
}

Status ensurePrivateFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    return std::error_code(errno, std::generic_category());
  }
  return privateFolder(path, true);
}

}  // namespace platform
