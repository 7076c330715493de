#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/Ext4Reserve.h"
#include "platform/posix/LinkFreeOpen.h"

namespace platform {
namespace {

std::string& installed() {
  static std::string folder = "/sys/fs/ext4/";
  return folder;
}

}  // namespace

std::string ext4ReserveFolder() {
  return installed();
}

std::string setExt4ReserveFolder(std::string folder) {
  return std::exchange(installed(), std::move(folder));
}

Status writeExt4Reserve(const std::string& file, const std::string& text) {
  const std::string folder = ext4ReserveFolder();
  const std::string attribute = "/reserved_clusters";
  const auto refused = std::make_error_code(std::errc::permission_denied);
  // A NUL byte would end the path the system is given early: never taken for the end of a name.
  if (folder.empty() || file.find('\0') != std::string::npos ||
      file.size() <= folder.size() + attribute.size() ||
      file.compare(0, folder.size(), folder) != 0 ||
      file.compare(file.size() - attribute.size(), attribute.size(), attribute) != 0) {
    return refused;
  }
  const std::string device =
      file.substr(folder.size(), file.size() - folder.size() - attribute.size());
  if (device.empty() || device == "." || device == ".." || device.find('/') != std::string::npos) {
    return refused;
  }
  // The device's folder is reached without following a link, and so is the attribute in it.
  const auto deviceFolder = posix::openFolderWithoutLinks(folder + device);
  if (!deviceFolder) return deviceFolder.error();
  const int fd =
      ::openat(*deviceFolder, "reserved_clusters", O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
  const int openError = errno;
  ::close(*deviceFolder);
  if (fd < 0) return std::error_code(openError, std::generic_category());
  struct stat st {};
  Status status;
  if (::fstat(fd, &st) != 0) {
    status = std::error_code(errno, std::generic_category());
  } else if (!S_ISREG(st.st_mode) || st.st_nlink != 1) {
    status = FileError::NotAFile;
  } else if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    status = std::error_code(errno ? errno : EIO, std::generic_category());
  } else if (struct statfs fsInfo{};
             ::fstatfs(fd, &fsInfo) == 0 && fsInfo.f_type != 0x62656572 /* sysfs */) {
    if (::ftruncate(fd, static_cast<off_t>(text.size())) != 0) {
      status = std::error_code(errno, std::generic_category());
    }
  }
  ::close(fd);
  return status;
}

}  // namespace platform
